#include "platform/headless/headless_platform.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <utility>

#include "base/text/gbk.h"
#include "platform/local_clock.h"

namespace veltrane::platform {
namespace {

// Splits UTF-8 into code points; a malformed byte stands for itself.
std::vector<char32_t> CodePoints(std::string_view utf8) {
  std::vector<char32_t> out;
  for (std::size_t i = 0; i < utf8.size();) {
    const auto b = static_cast<unsigned char>(utf8[i]);
    const std::size_t n = b < 0x80 ? 1 : b >= 0xF0 ? 4 : b >= 0xE0 ? 3 : b >= 0xC0 ? 2 : 1;
    if (n == 1 || i + n > utf8.size()) {
      out.push_back(b);
      ++i;
      continue;
    }
    char32_t ch = b & (0x7F >> n);
    for (std::size_t k = 1; k < n; ++k)
      ch = ch << 6 | (static_cast<unsigned char>(utf8[i + k]) & 0x3F);
    out.push_back(ch);
    i += n;
  }
  return out;
}

// Start of the GBK character that ends at byte `end`.
std::size_t PreviousCharStart(std::string_view text, std::size_t end) {
  std::size_t pos = 0;
  std::size_t start = 0;
  while (pos < end) {
    start = pos;
    pos += runtime::GbkCharLength(text, pos);
  }
  return start;
}

}  // namespace

// --- Inspection ---------------------------------------------------------------

const HeadlessControl* HeadlessPlatform::Find(Handle handle) const {
  if (handle == 0 || handle > controls_.size()) return nullptr;
  return &controls_[handle - 1];
}

HeadlessControl* HeadlessPlatform::Live(Handle handle) {
  if (handle == 0 || handle > controls_.size()) return nullptr;
  HeadlessControl& c = controls_[handle - 1];
  return c.alive ? &c : nullptr;
}

HeadlessControl* HeadlessPlatform::LiveOf(Handle handle, ControlKind kind) {
  HeadlessControl* c = Live(handle);
  return c != nullptr && c->kind == kind ? c : nullptr;
}

std::vector<Handle>& HeadlessPlatform::StackOf(Handle parent) {
  for (auto& [owner, stack] : stacks_) {
    if (owner == parent) return stack;
  }
  stacks_.emplace_back(parent, std::vector<Handle>{});
  return stacks_.back().second;
}

std::vector<Handle> HeadlessPlatform::Children(Handle parent) const {
  for (const auto& [owner, stack] : stacks_) {
    if (owner == parent) return stack;
  }
  return {};
}

Handle HeadlessPlatform::ChildById(Handle parent, int child_id) const {
  for (Handle h : Children(parent)) {
    if (Find(h)->child_id == child_id) return h;
  }
  return 0;
}

int HeadlessPlatform::LiveCount() const {
  return static_cast<int>(std::count_if(controls_.begin(), controls_.end(),
                                        [](const HeadlessControl& c) { return c.alive; }));
}

// --- Creation and looks -------------------------------------------------------

Handle HeadlessPlatform::Make(ControlKind kind, const CreateParams& params) {
  HeadlessControl c;
  c.kind = kind;
  c.handle = static_cast<Handle>(controls_.size() + 1);
  c.parent = params.parent;
  c.child_id = params.child_id;
  c.rect = params.rect;
  c.enabled = !params.disabled;
  c.tab_stop = params.tab_stop;
  controls_.push_back(std::move(c));
  // A new child goes to the bottom of its siblings' stacking order.
  StackOf(params.parent).push_back(controls_.back().handle);
  return controls_.back().handle;
}

Handle HeadlessPlatform::CreateTopWindow(const CreateParams& params, const WindowLook& look) {
  const Handle h = Make(ControlKind::Window, params);
  controls_[h - 1].window = look;
  return h;
}

Handle HeadlessPlatform::CreateLabel(const CreateParams& params, const LabelLook& look) {
  if (Live(params.parent) == nullptr) return 0;
  const Handle h = Make(ControlKind::Label, params);
  controls_[h - 1].label = look;
  return h;
}

Handle HeadlessPlatform::CreateEdit(const CreateParams& params, const EditLook& look) {
  if (Live(params.parent) == nullptr) return 0;
  const Handle h = Make(ControlKind::Edit, params);
  controls_[h - 1].edit = look;
  return h;
}

Handle HeadlessPlatform::CreateButton(const CreateParams& params, const ButtonLook& look) {
  if (Live(params.parent) == nullptr) return 0;
  const Handle h = Make(ControlKind::Button, params);
  controls_[h - 1].button = look;
  return h;
}

Handle HeadlessPlatform::CreateComboBox(const CreateParams& params, const ComboLook& look) {
  if (Live(params.parent) == nullptr) return 0;
  const Handle h = Make(ControlKind::ComboBox, params);
  controls_[h - 1].combo = look;
  return h;
}

void HeadlessPlatform::Destroy(Handle handle) {
  HeadlessControl* c = Live(handle);
  if (c == nullptr) return;
  // Children go first, as a native window takes its children with it.
  for (Handle child : Children(handle)) Destroy(child);
  c = Live(handle);
  c->alive = false;
  c->visible = false;
  std::vector<Handle>& stack = StackOf(c->parent);
  stack.erase(std::remove(stack.begin(), stack.end(), handle), stack.end());
  if (focus_ == handle) focus_ = 0;
}

void HeadlessPlatform::SetWindowLook(Handle window, const WindowLook& look) {
  if (HeadlessControl* c = LiveOf(window, ControlKind::Window)) {
    c->window = look;
    ++c->repaints;
  }
}

void HeadlessPlatform::SetLabelLook(Handle label, const LabelLook& look) {
  if (HeadlessControl* c = LiveOf(label, ControlKind::Label)) {
    c->label = look;
    ++c->repaints;
  }
}

void HeadlessPlatform::SetEditLook(Handle edit, const EditLook& look) {
  if (HeadlessControl* c = LiveOf(edit, ControlKind::Edit)) {
    c->edit = look;
    ++c->repaints;
  }
}

void HeadlessPlatform::SetButtonLook(Handle button, const ButtonLook& look) {
  if (HeadlessControl* c = LiveOf(button, ControlKind::Button)) {
    c->button = look;
    ++c->repaints;
  }
}

void HeadlessPlatform::SetComboLook(Handle combo, const ComboLook& look) {
  if (HeadlessControl* c = LiveOf(combo, ControlKind::ComboBox)) {
    // New items drop the selection; the same items keep it.
    if (c->combo.items != look.items) c->selection = -1;
    c->combo = look;
    ++c->repaints;
  }
}

// --- Text and selection -------------------------------------------------------

std::string HeadlessPlatform::GetText(Handle control) {
  HeadlessControl* c = Live(control);
  if (c == nullptr) return {};
  switch (c->kind) {
    case ControlKind::Window:
      return c->window.caption;
    case ControlKind::Label:
      return c->label.caption;
    case ControlKind::Button:
      return c->button.caption;
    case ControlKind::Edit:
      return c->text;
    case ControlKind::ComboBox:
      // A drop-down list shows its selected item in place of an edit field.
      if (c->combo.style == 2) {
        return c->selection >= 0 ? c->combo.items[static_cast<std::size_t>(c->selection)] : "";
      }
      return c->text;
  }
  return {};
}

void HeadlessPlatform::SetText(Handle control, std::string_view gbk) {
  HeadlessControl* c = Live(control);
  if (c == nullptr) return;
  switch (c->kind) {
    case ControlKind::Window:
      c->window.caption = gbk;
      break;
    case ControlKind::Label:
      c->label.caption = gbk;
      break;
    case ControlKind::Button:
      c->button.caption = gbk;
      break;
    case ControlKind::Edit:
    case ControlKind::ComboBox:
      c->text = gbk;
      c->text_selection_start = 0;
      c->text_selection_length = 0;
      break;
  }
}

void HeadlessPlatform::SelectAllText(Handle edit) {
  if (HeadlessControl* c = Live(edit)) {
    c->text_selection_start = 0;
    c->text_selection_length = static_cast<int>(c->text.size());
  }
}

void HeadlessPlatform::SetTextSelection(Handle edit, int start, int length) {
  if (HeadlessControl* c = Live(edit)) {
    const int size = static_cast<int>(c->text.size());
    c->text_selection_start = std::clamp(start, 0, size);
    c->text_selection_length = std::clamp(length, 0, size - c->text_selection_start);
  }
}

int HeadlessPlatform::GetSelection(Handle combo) {
  const HeadlessControl* c = LiveOf(combo, ControlKind::ComboBox);
  return c != nullptr ? c->selection : -1;
}

void HeadlessPlatform::SetSelection(Handle combo, int index) {
  if (HeadlessControl* c = LiveOf(combo, ControlKind::ComboBox)) {
    const int last = static_cast<int>(c->combo.items.size()) - 1;
    c->selection = std::clamp(index, -1, last);
  }
}

// --- Geometry, visibility, focus ------------------------------------------------

Rect HeadlessPlatform::GetRect(Handle handle) {
  const HeadlessControl* c = Live(handle);
  return c != nullptr ? c->rect : Rect{};
}

void HeadlessPlatform::SetRect(Handle handle, const Rect& rect) {
  if (HeadlessControl* c = Live(handle)) c->rect = rect;
}

bool HeadlessPlatform::IsVisible(Handle handle) {
  const HeadlessControl* c = Live(handle);
  return c != nullptr && c->visible;
}

void HeadlessPlatform::SetVisible(Handle handle, bool visible) {
  if (HeadlessControl* c = Live(handle)) c->visible = visible;
}

bool HeadlessPlatform::IsEnabled(Handle handle) {
  const HeadlessControl* c = Live(handle);
  return c != nullptr && c->enabled;
}

void HeadlessPlatform::SetEnabled(Handle handle, bool enabled) {
  if (HeadlessControl* c = Live(handle)) c->enabled = enabled;
}

void HeadlessPlatform::PlaceBelow(Handle handle, Handle above) {
  HeadlessControl* c = Live(handle);
  if (c == nullptr || handle == above) return;
  std::vector<Handle>& stack = StackOf(c->parent);
  stack.erase(std::remove(stack.begin(), stack.end(), handle), stack.end());
  auto at = std::find(stack.begin(), stack.end(), above);
  // Above 0, or a handle that is no sibling: the top.
  stack.insert(at == stack.end() ? stack.begin() : at + 1, handle);
}

void HeadlessPlatform::SetFocus(Handle handle) {
  const HeadlessControl* c = Live(handle);
  if (c != nullptr && c->focusable) focus_ = handle;
}

void HeadlessPlatform::SetTabOrder(Handle window, const std::vector<Handle>& order) {
  for (auto& [owner, tabs] : tab_orders_) {
    if (owner == window) {
      tabs = order;
      return;
    }
  }
  tab_orders_.emplace_back(window, order);
}

void HeadlessPlatform::SetFocusable(Handle control, bool focusable) {
  HeadlessControl* c = Live(control);
  if (c == nullptr) return;
  c->focusable = focusable;
  if (!focusable && focus_ == control) focus_ = 0;
}

std::vector<Handle> HeadlessPlatform::TabOrder(Handle window) const {
  for (const auto& [owner, tabs] : tab_orders_) {
    if (owner == window) return tabs;
  }
  return {};
}

void HeadlessPlatform::SetContextMenu(Handle window, const std::vector<MenuEntry>& entries) {
  if (LiveOf(window, ControlKind::Window) == nullptr) return;
  for (auto& [owner, menu] : menus_) {
    if (owner == window) {
      menu = entries;
      return;
    }
  }
  menus_.emplace_back(window, entries);
}

std::vector<MenuEntry> HeadlessPlatform::ContextMenu(Handle window) const {
  for (const auto& [owner, menu] : menus_) {
    if (owner == window) return menu;
  }
  return {};
}

// --- Playing the user -----------------------------------------------------------

bool HeadlessPlatform::Click(Handle button) {
  HeadlessControl* c = LiveOf(button, ControlKind::Button);
  if (c == nullptr || !c->visible || !c->enabled) return false;
  if (c->focusable) focus_ = button;
  if (sink_ != nullptr) sink_->OnButtonClicked(button);
  return true;
}

bool HeadlessPlatform::TypeChar(Handle edit, char32_t ch) {
  HeadlessControl* c = LiveOf(edit, ControlKind::Edit);
  if (c == nullptr || !c->visible || !c->enabled || c->edit.read_only) return false;
  std::string& text = c->text;
  const auto start = static_cast<std::size_t>(c->text_selection_start);
  const auto length = static_cast<std::size_t>(c->text_selection_length);
  if (ch == U'\b') {
    if (length > 0) {
      text.erase(start, length);
    } else if (start > 0) {
      const std::size_t from = PreviousCharStart(text, start);
      text.erase(from, start - from);
      c->text_selection_start = static_cast<int>(from);
    } else {
      return false;
    }
    c->text_selection_length = 0;
  } else if (ch < 32) {
    return false;  // a single-line box takes no other control character
  } else {
    if (sink_ != nullptr && !sink_->AcceptTypedChar(edit, ch)) return false;
    c = LiveOf(edit, ControlKind::Edit);  // the sink may have changed the platform
    if (c == nullptr) return false;
    char32_t typed = ch;
    if (c->edit.case_conversion == 1 && ch >= U'A' && ch <= U'Z') typed = ch - U'A' + U'a';
    if (c->edit.case_conversion == 2 && ch >= U'a' && ch <= U'z') typed = ch - U'a' + U'A';
    const std::string bytes = runtime::GbkFromCodePoint(typed);
    if (c->edit.max_length > 0 &&
        c->text.size() - length + bytes.size() > static_cast<std::size_t>(c->edit.max_length)) {
      return false;
    }
    c->text.replace(start, length, bytes);
    c->text_selection_start = static_cast<int>(start + bytes.size());
    c->text_selection_length = 0;
  }
  if (sink_ != nullptr) sink_->OnEditChanged(edit);
  return true;
}

int HeadlessPlatform::TypeText(Handle edit, std::string_view utf8) {
  int entered = 0;
  for (char32_t ch : CodePoints(utf8)) entered += TypeChar(edit, ch) ? 1 : 0;
  return entered;
}

bool HeadlessPlatform::PressSpin(Handle edit, int delta) {
  HeadlessControl* c = LiveOf(edit, ControlKind::Edit);
  if (c == nullptr || c->edit.spin_mode == 0 || c->edit.multi_line || !c->visible || !c->enabled ||
      delta == 0) {
    return false;
  }
  if (sink_ != nullptr) sink_->OnSpinArrow(edit, delta > 0 ? 1 : -1);
  return true;
}

bool HeadlessPlatform::PickComboItem(Handle combo, int index) {
  HeadlessControl* c = LiveOf(combo, ControlKind::ComboBox);
  if (c == nullptr || !c->visible || !c->enabled || index < 0 ||
      static_cast<std::size_t>(index) >= c->combo.items.size()) {
    return false;
  }
  c->selection = index;
  if (c->combo.style != 2) c->text = c->combo.items[static_cast<std::size_t>(index)];
  if (sink_ != nullptr) sink_->OnComboSelected(combo);
  return true;
}

bool HeadlessPlatform::CloseWindow(Handle window) {
  HeadlessControl* c = LiveOf(window, ControlKind::Window);
  if (c == nullptr || !c->window.closable) return false;
  if (sink_ != nullptr) {
    sink_->OnWindowClosed(window);
  } else {
    Destroy(window);
  }
  return true;
}

bool HeadlessPlatform::MoveWindow(Handle window, const Rect& rect) {
  HeadlessControl* c = LiveOf(window, ControlKind::Window);
  if (c == nullptr) return false;
  const Rect before = c->rect;
  c->rect = rect;
  if (sink_ == nullptr) return true;
  if (rect.left != before.left || rect.top != before.top) sink_->OnWindowMoved(window);
  if (rect.width != before.width || rect.height != before.height) sink_->OnWindowResized(window);
  return true;
}

bool HeadlessPlatform::PressTab(bool backwards) {
  const HeadlessControl* focused = Live(focus_);
  const Handle window = focused == nullptr                     ? 0
                        : focused->kind == ControlKind::Window ? focus_
                                                               : focused->parent;
  const std::vector<Handle> order = TabOrder(window);
  const auto n = static_cast<std::ptrdiff_t>(order.size());
  const std::ptrdiff_t at = std::find(order.begin(), order.end(), focus_) - order.begin();
  for (std::ptrdiff_t step = 1; step <= n; ++step) {
    // From outside the order, Tab starts at its first control and Shift+Tab at its last.
    const std::ptrdiff_t from = at < n ? at : (backwards ? n : -1);
    const std::ptrdiff_t i = ((from + (backwards ? -step : step)) % n + n) % n;
    const HeadlessControl* c = Live(order[static_cast<std::size_t>(i)]);
    if (c != nullptr && c->visible && c->enabled && c->focusable) {
      focus_ = c->handle;
      return true;
    }
  }
  return false;
}

bool HeadlessPlatform::PressKey(Key key) {
  const HeadlessControl* c = Live(focus_);
  if (c == nullptr) return false;
  switch (key) {
    case Key::Space:
    case Key::Enter:
      return c->kind == ControlKind::Button && Click(focus_);
    case Key::Up:
      return c->kind == ControlKind::Edit && PressSpin(focus_, +1);
    case Key::Down:
      return c->kind == ControlKind::Edit && PressSpin(focus_, -1);
  }
  return false;
}

bool HeadlessPlatform::RunMenuEntry(const MenuEntry& entry) {
  const HeadlessControl* button = LiveOf(entry.button, ControlKind::Button);
  if (button == nullptr || !button->enabled) return false;
  if (sink_ != nullptr) sink_->OnButtonClicked(entry.button);
  return true;
}

bool HeadlessPlatform::ChooseMenuEntry(Handle window, int index) {
  const HeadlessControl* w = LiveOf(window, ControlKind::Window);
  if (w == nullptr || !w->visible) return false;
  const std::vector<MenuEntry> menu = ContextMenu(window);
  if (index < 0 || static_cast<std::size_t>(index) >= menu.size()) return false;
  return RunMenuEntry(menu[static_cast<std::size_t>(index)]);
}

bool HeadlessPlatform::PressShortcut(char key) {
  const HeadlessControl* focused = Live(focus_);
  if (focused == nullptr || key == 0) return false;
  const Handle window = focused->kind == ControlKind::Window ? focus_ : focused->parent;
  for (const MenuEntry& entry : ContextMenu(window)) {
    if (entry.ctrl_key == key) return RunMenuEntry(entry);
  }
  return false;
}

// --- Loop and process services --------------------------------------------------

void HeadlessPlatform::RunMessageLoop() {
  // A quit asked for before the loop ran ends it at once, as a posted quit would.
  if (std::exchange(quit_, false)) return;
  while (!quit_ && !tasks_.empty()) {
    std::function<void()> task = std::move(tasks_.front());
    tasks_.pop_front();
    task();
  }
}

void HeadlessPlatform::ProcessPendingEvents() {
  // Only what is queued now; tasks queued meanwhile wait for the next turn.
  for (std::size_t n = tasks_.size(); n > 0 && !tasks_.empty(); --n) {
    std::function<void()> task = std::move(tasks_.front());
    tasks_.pop_front();
    task();
  }
}

int HeadlessPlatform::ShowMessageBox(std::string_view text_gbk, std::string_view title_gbk,
                                     std::uint32_t style) {
  if (message_box_fails_) return 0;
  message_boxes_.push_back({std::string(text_gbk), std::string(title_gbk), style});
  const MessageBoxRecord record = message_boxes_.back();
  if (echo_) {
    std::cerr << "[message box] " << runtime::Utf8FromGbk(record.title) << ": "
              << runtime::Utf8FromGbk(record.text) << std::endl;
  }
  return responder_ ? responder_(record) : answer_;
}

void HeadlessPlatform::ClearClipboard() {
  clipboard_.clear();
  clipboard_has_text_ = false;
}

bool HeadlessPlatform::SetClipboardText(std::string_view gbk) {
  if (clipboard_fails_) return false;
  clipboard_.assign(gbk);
  clipboard_has_text_ = true;
  return true;
}

LocalTime HeadlessPlatform::Now() {
  if (clock_) return *clock_;
  return ReadLocalClock();
}

void HeadlessPlatform::EndProcess(int code) {
  std::cout.flush();
  std::cerr.flush();
  std::fflush(nullptr);
  std::_Exit(static_cast<int>(static_cast<unsigned>(code) & 0xFFu));
}

}  // namespace veltrane::platform
