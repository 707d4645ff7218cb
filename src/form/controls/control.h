// A live control of one of the five types: its property record (the decoded
// type block) and its platform handle. The form runtime calls Get and Set
// with a type-specific index (property - 8) and typed values it has already
// decoded by the property's kind; TableControl answers them from the type's
// property rows.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "base/result.h"
#include "form/controls/log_font.h"
#include "form/controls/property_info.h"
#include "platform/platform.h"

namespace veltrane::runtime {

// A property value decoded by its kind. Text and bytes are views: of the
// caller's data on a write, of the control's stored data on a read (valid
// until the control changes).
struct PropertyValue {
  std::int64_t number = 0;  // integer, enumeration, colour, boolean, 64-bit kinds
  std::string_view text;
  std::span<const std::uint8_t> bytes;
  std::optional<LogFont> font;
};

// What a set operation asks of the runtime afterwards.
enum class SetEffect {
  None,
  ContentChanged,  // raise the control's content-changed event once
  Recreate,        // the platform fixes this setting at creation: re-create the control
};

class ControlType;

// Where a control is made, and as what.
struct CreateContext {
  const ControlType* type = nullptr;
  platform::Platform* platform = nullptr;
  platform::CreateParams params;
};

class Control {
 public:
  Control(const ControlType& type, platform::Platform& platform)
      : type_(&type), platform_(&platform) {}
  virtual ~Control() = default;
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;

  const ControlType& type() const { return *type_; }
  platform::Handle handle() const { return handle_; }

  // Reads type-specific property `index` (property - 8); false if the type has no such property.
  virtual bool Get(int index, PropertyValue& out) = 0;
  // Writes type-specific property `index`, clamping integers to the property's range.
  virtual SetEffect Set(int index, const PropertyValue& value) = 0;
  // The control's current properties as its type block.
  virtual std::vector<std::uint8_t> Serialize() = 0;

 protected:
  platform::Platform& platform() { return *platform_; }
  void set_handle(platform::Handle h) { handle_ = h; }

 private:
  const ControlType* type_;
  platform::Platform* platform_;
  platform::Handle handle_ = 0;
};

using CreateControlFn = Result<std::unique_ptr<Control>> (*)(const CreateContext& context,
                                                             std::span<const std::uint8_t> block);

// A control type: its names, flag word, property table and factory.
class ControlType {
 public:
  std::uint32_t code;
  const char* chinese_name;  // GBK
  const char* english_name;
  std::uint32_t flags;
  std::span<const PropertyInfo> properties;  // type-specific, from index 8
  CreateControlFn create;

  // Only types with flag bit 2 or bit 6 may raise events.
  bool CanRaiseEvents() const { return (flags & (1u << 2 | 1u << 6)) != 0; }
  int property_count() const { return 8 + static_cast<int>(properties.size()); }
  // The property's description, common or type-specific; null when the type lacks it.
  const PropertyInfo* Property(PropertyIndex index) const;
};

}  // namespace veltrane::runtime
