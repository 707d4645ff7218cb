// A live control of one of the five types: its property record (the decoded
// type block) and its platform handle. The form runtime calls Get and Set
// with a type-specific index (property - 8) and typed values it has already
// decoded by the property's kind.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "form/controls/log_font.h"
#include "form/controls/property_info.h"
#include "platform/platform.h"
#include "base/result.h"

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
  bool Get(int index, PropertyValue& out);
  // Writes type-specific property `index`, clamping integers to the property's range.
  SetEffect Set(int index, const PropertyValue& value);
  // The control's current properties as its type block.
  virtual std::vector<std::uint8_t> Serialize() = 0;

 protected:
  // A stored field of the property record.
  using Field = std::variant<std::monostate, std::int32_t*, std::uint32_t*, std::string*,
                             std::vector<std::uint8_t>*, std::optional<LogFont>*>;
  virtual Field FieldOf(int index) = 0;
  // Properties whose value lives in the platform control or needs more than a
  // stored field; nullopt/false falls back to the stored field.
  virtual bool GetLive(int /*index*/, PropertyValue& /*out*/) { return false; }
  virtual std::optional<SetEffect> SetLive(int /*index*/, const PropertyValue& /*value*/) {
    return std::nullopt;
  }
  // True for settings the platform fixes at creation.
  virtual bool FixedAtCreation(int /*index*/) const { return false; }
  // Hands the look built from the record to the platform (repaints).
  virtual void ApplyLook() = 0;

  // Brings every stored integer into its property's range (after decoding a
  // type block, so the platform only ever sees valid settings).
  void ClampStoredFields();

  platform::Platform& platform() { return *platform_; }
  void set_handle(platform::Handle h) { handle_ = h; }
  const PropertyInfo* Info(int index) const;

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
