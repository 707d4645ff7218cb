// EditBox ("编辑框"): a platform edit control, with an up-down control when
// its SpinMode is not 0.
#pragma once

#include <array>
#include <memory>
#include <span>
#include <string>

#include "form/controls/control.h"
#include "form/controls/edit_box_block.h"

namespace veltrane::runtime {

// Properties 8 to 28.
inline constexpr std::array<PropertyInfo, 21> kEditBoxProperties = {{
    Prop(kEditContent, PropertyKind::Text),
    Prop(kEditBorderStyle, PropertyKind::Enumeration, 0, 5),
    Prop(kEditTextColour, PropertyKind::Colour),
    Prop(kEditBackground, PropertyKind::BackgroundColour),
    Prop(kEditFont, PropertyKind::Font),
    Prop(kEditHideSelection, PropertyKind::Logical),
    Prop(kEditMaxLength, PropertyKind::Number, 0, INT32_MAX),
    Prop(kEditMultiLine, PropertyKind::Logical),
    Prop(kEditScrollBars, PropertyKind::Enumeration, 0, 3),
    Prop(kEditAlignment, PropertyKind::Enumeration, 0, 2),
    Prop(kEditInputMode, PropertyKind::Enumeration, 0, 10),
    Prop(kEditPasswordMask, PropertyKind::Text),
    Prop(kEditCaseConversion, PropertyKind::Enumeration, 0, 2),
    Prop(kEditSpinMode, PropertyKind::Enumeration, 0, 2),
    Prop(kEditSpinMin, PropertyKind::Number),
    Prop(kEditSpinMax, PropertyKind::Number),
    Prop(kEditSelectionStart, PropertyKind::Number, 0, INT32_MAX),
    Prop(kEditSelectionLength, PropertyKind::Number, 0, INT32_MAX),
    Prop(kEditSelectedText, PropertyKind::Text),
    Prop(kEditDataSource, PropertyKind::DataSource),
    Prop(kEditDataColumn, PropertyKind::DataColumn),
}};
static_assert(IsSoundTable(kEditBoxProperties, kFirstTypeProperty));
static_assert(kEditBoxProperties.size() + 8 == 29, "an edit box has 29 properties");

// What a click on a spin arrow led to.
enum class SpinOutcome {
  Ignored,  // no spin, or the box is disabled or hidden
  Stepped,  // automatic stepping wrote a new content (its change event follows)
  Event,    // SpinMode 2: the box raises its spin event with +1 or -1
};

class EditBox final : public Control {
 public:
  static Result<std::unique_ptr<Control>> Create(const CreateContext& context,
                                                 std::span<const std::uint8_t> block);
  EditBox(const ControlType& type, platform::Platform& platform, EditBoxBlock block)
      : Control(type, platform), block_(std::move(block)) {}

  const EditBoxBlock& block() const { return block_; }
  platform::EditLook Look() const;
  std::vector<std::uint8_t> Serialize() override;

  // The typed-character filter of the box's InputMode.
  bool AcceptsTypedChar(char32_t ch) const;
  // A click on a spin arrow (+1 up, -1 down).
  SpinOutcome Spin(int delta);

 protected:
  Field FieldOf(int index) override;
  bool GetLive(int index, PropertyValue& out) override;
  std::optional<SetEffect> SetLive(int index, const PropertyValue& value) override;
  bool FixedAtCreation(int index) const override;
  void ApplyLook() override;

 private:
  // The live text, kept in the record.
  const std::string& LiveContent();

  EditBoxBlock block_;
  std::string scratch_;  // backs text views of computed properties
};

}  // namespace veltrane::runtime
