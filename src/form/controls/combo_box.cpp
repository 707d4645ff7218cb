#include "form/controls/combo_box.h"

#include <algorithm>
#include <numeric>

#include "form/controls/text_span.h"

namespace veltrane::runtime {

Result<std::unique_ptr<Control>> ComboBox::Create(const CreateContext& context,
                                                  std::span<const std::uint8_t> bytes) {
  Result<ComboBoxBlock> block = ComboBoxBlock::Decode(bytes);
  if (!block) return block.error();
  auto combo = std::make_unique<ComboBox>(*context.type, *context.platform, std::move(*block));
  combo->ClampStoredFields();
  combo->SortIfNeeded();
  platform::CreateParams params = context.params;
  if (combo->block_.style != 0) params.rect.height = std::max(params.rect.height, kComboListHeight);
  platform::Platform& p = *context.platform;
  combo->set_handle(p.CreateComboBox(params, combo->Look()));
  if (combo->handle() == 0) return Error{"the platform could not create a combo box"};
  combo->Select(combo->block_.selection);
  if (combo->Editable()) {
    p.SetText(combo->handle(), combo->block_.content);
    const TextSpan sel = ClampSpan(combo->block_.content.size(), combo->block_.selection_start,
                                   combo->block_.selection_length);
    p.SetTextSelection(combo->handle(), sel.start, sel.length);
  }
  return std::unique_ptr<Control>(std::move(combo));
}

platform::ComboLook ComboBox::Look() const {
  platform::ComboLook look;
  look.style = block_.style;
  look.sorted = block_.sorted != 0;
  look.extra_item_height = block_.extra_item_height;
  look.text_colour = block_.text_colour;
  look.background = block_.background;
  look.font = ToPlatformFont(block_.font);
  look.max_length = block_.max_length;
  look.items = block_.items;
  return look;
}

std::vector<std::uint8_t> ComboBox::Serialize() {
  LiveSelection();
  if (Editable()) LiveContent();
  return block_.Encode();
}

std::optional<std::string_view> ComboBox::ItemText(int index) const {
  if (index < 0 || static_cast<std::size_t>(index) >= block_.items.size()) return std::nullopt;
  return block_.items[static_cast<std::size_t>(index)];
}

int ComboBox::LiveSelection() {
  block_.selection = platform().GetSelection(handle());
  return block_.selection;
}

void ComboBox::Select(std::int64_t index) {
  const auto last = static_cast<std::int64_t>(block_.items.size()) - 1;
  block_.selection = static_cast<std::int32_t>(std::clamp<std::int64_t>(index, -1, last));
  platform().SetSelection(handle(), block_.selection);
}

void ComboBox::SortIfNeeded() {
  if (block_.sorted == 0 || block_.items.size() < 2) return;
  std::vector<std::size_t> order(block_.items.size());
  std::iota(order.begin(), order.end(), std::size_t{0});
  std::stable_sort(order.begin(), order.end(),
                   [&](std::size_t a, std::size_t b) { return block_.items[a] < block_.items[b]; });
  std::vector<std::string> items;
  std::vector<std::uint32_t> data;
  for (std::size_t i : order) {
    items.push_back(std::move(block_.items[i]));
    if (i < block_.item_data.size()) data.push_back(block_.item_data[i]);
  }
  block_.items = std::move(items);
  if (data.size() == block_.items.size()) block_.item_data = std::move(data);
}

const std::string& ComboBox::LiveContent() {
  block_.content = platform().GetText(handle());
  return block_.content;
}

void ComboBox::GetSelection(PropertyValue& out) { out.number = LiveSelection(); }

SetEffect ComboBox::SetSelection(const PropertyInfo& /*info*/, const PropertyValue& value) {
  Select(value.number);
  return SetEffect::None;
}

void ComboBox::GetContent(PropertyValue& out) {
  // A drop-down list has no edit field: it shows the selected item.
  if (Editable()) {
    out.text = LiveContent();
  } else {
    out.text = ItemText(LiveSelection()).value_or(std::string_view());
  }
}

SetEffect ComboBox::SetContent(const PropertyInfo& /*info*/, const PropertyValue& value) {
  block_.content.assign(value.text);
  if (Editable()) platform().SetText(handle(), block_.content);
  return SetEffect::None;
}

void ComboBox::GetSelectedText(PropertyValue& out) {
  if (!Editable()) return;
  out.text = SelectedPart(LiveContent(), block_.selection_start, block_.selection_length);
}

SetEffect ComboBox::SetSelectedText(const PropertyInfo& /*info*/, const PropertyValue& value) {
  if (!Editable()) return SetEffect::None;
  std::string text = LiveContent();
  ReplaceSelectedPart(text, block_.selection_start, block_.selection_length, value.text);
  block_.content = std::move(text);
  platform().SetText(handle(), block_.content);
  return SetEffect::None;
}

SetEffect ComboBox::SetSelectionStart(const PropertyInfo& info, const PropertyValue& value) {
  block_.selection_start = info.Clamp(value.number);
  ShowTextSelection();
  return SetEffect::None;
}

SetEffect ComboBox::SetSelectionLength(const PropertyInfo& info, const PropertyValue& value) {
  block_.selection_length = info.Clamp(value.number);
  ShowTextSelection();
  return SetEffect::None;
}

void ComboBox::ShowTextSelection() {
  if (!Editable()) return;
  const TextSpan sel =
      ClampSpan(LiveContent().size(), block_.selection_start, block_.selection_length);
  platform().SetTextSelection(handle(), sel.start, sel.length);
}

void ComboBox::GetItems(PropertyValue& out) {
  scratch_bytes_ = EncodeTextList(block_.items);
  out.bytes = scratch_bytes_;
}

SetEffect ComboBox::SetItems(const PropertyInfo& /*info*/, const PropertyValue& value) {
  Result<std::vector<std::string>> items = DecodeTextList(value.bytes);
  if (!items) return SetEffect::None;  // a malformed list changes nothing
  block_.items = std::move(*items);
  block_.item_data.clear();
  SortIfNeeded();
  ApplyLook();
  Select(-1);
  return SetEffect::None;
}

void ComboBox::GetItemData(PropertyValue& out) {
  scratch_bytes_ = EncodeItemData(block_.item_data);
  out.bytes = scratch_bytes_;
}

SetEffect ComboBox::SetItemData(const PropertyInfo& /*info*/, const PropertyValue& value) {
  Result<std::vector<std::uint32_t>> data = DecodeItemData(value.bytes);
  if (data) block_.item_data = std::move(*data);
  return SetEffect::None;
}

void ComboBox::ApplyLook() {
  // Re-applying the look keeps the items and the selection as they are.
  const int selection = LiveSelection();
  platform().SetComboLook(handle(), Look());
  platform().SetSelection(handle(), selection);
}

}  // namespace veltrane::runtime
