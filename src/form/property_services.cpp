// ReadProperty and WriteProperty: the control looked up on every call, the
// value converted by its property's kind. Integer reads and writes allocate
// nothing.
#include <algorithm>
#include <cstdio>
#include <cstring>

#include "base/text/gbk_literal.h"
#include "form/controls/combo_box.h"
#include "form/fatal.h"
#include "form/font_property.h"
#include "form/form_state.h"

namespace veltrane::runtime {
namespace {

using form::WindowState;

constexpr std::int32_t kMaxPosition = 32627;

struct Target {
  WindowState* window;
  int index;
};

[[noreturn]] void MissingControl(ControlId control) {
  char id[16];
  std::snprintf(id, sizeof id, " 0x%08X", control);
  ReportFatal(std::string(Gbk("未找到欲访问的窗口组件")) + id, 0);
}

Target Locate(WindowId window_id, ControlId control) {
  WindowState* window = form::FindWindow(window_id);
  if (window == nullptr) form::Fatal("未载入欲访问窗口组件所在的窗口");
  const int index = window->IndexOf(control);
  if (index < 0) MissingControl(control);
  return {window, index};
}

Control& LiveControl(const Target& t) {
  Control* control = t.window->Object(t.index);
  if (control == nullptr) form::Fatal("指定窗口尚未载入");
  return *control;
}

// A byte block handed over by the program: word 1, the length, the bytes.
std::span<const std::uint8_t> BlockBytes(const void* p) {
  if (p == nullptr) return {};
  std::uint32_t length = 0;
  std::memcpy(&length, static_cast<const std::uint8_t*>(p) + 4, 4);
  return {static_cast<const std::uint8_t*>(p) + 8, length};
}

std::uint64_t ReadCommon(const Target& t, PropertyIndex property) {
  const UnitTable& table = t.window->table;
  Control* control = t.window->Object(t.index);
  platform::Platform& p = platform::CurrentPlatform();
  switch (property) {
    case kLeft:
    case kTop:
    case kWidth:
    case kHeight: {
      std::int32_t v = 0;
      if (control != nullptr) {
        const platform::Rect r = p.GetRect(control->handle());
        const std::int32_t parts[] = {r.left, r.top, r.width, r.height};
        v = parts[property];
      } else {
        v = table.Geometry(t.index, static_cast<GeometryField>(property));
      }
      return static_cast<std::uint32_t>(v);
    }
    case kTag:
      return WordsFromPointer(HeapText::Copy(table.Unit(t.index).tag).release());
    case kVisible:
      return control != nullptr ? p.IsVisible(control->handle())
                                : (table.Flags(t.index) & kUnitVisible) != 0;
    case kDisabled:
      return control != nullptr ? !p.IsEnabled(control->handle())
                                : (table.Flags(t.index) & kUnitDisabled) != 0;
    case kMouseCursor:
      return WordsFromPointer(HeapBytes::Copy(table.Unit(t.index).cursor).release());
    default:
      return 0;
  }
}

// Labels never take the focus, so their moves leave the keyboard order alone.
void NoteKeyboardLayout(const Target& t) {
  if (t.window->table.TypeCodeAt(t.index) != static_cast<std::uint32_t>(TypeCode::Label)) {
    form::KeyboardLayoutChanged(*t.window);
  }
}

void WriteCommon(const Target& t, PropertyIndex property, std::uint32_t lo, std::uint32_t hi) {
  UnitTable& table = t.window->table;
  Control* control = t.window->Object(t.index);
  platform::Platform& p = platform::CurrentPlatform();
  const auto value = static_cast<std::int32_t>(lo);
  switch (property) {
    case kLeft:
    case kTop:
    case kWidth:
    case kHeight: {
      const std::int32_t v = property <= kTop ? std::clamp(value, -kMaxPosition, kMaxPosition)
                                              : std::clamp(value, 0, kMaxPosition);
      table.SetGeometry(t.index, static_cast<GeometryField>(property), v);
      if (control != nullptr) {
        platform::Rect r = p.GetRect(control->handle());
        int* parts[] = {&r.left, &r.top, &r.width, &r.height};
        *parts[property] = v;
        p.SetRect(control->handle(), r);
        NoteKeyboardLayout(t);
      }
      return;
    }
    case kTag: {
      const char* text = static_cast<const char*>(PointerFromWords(lo, hi));
      table.ReplaceTag(t.index, text != nullptr ? text : "");
      return;
    }
    case kVisible:
    case kDisabled: {
      const std::uint32_t bit = property == kVisible ? kUnitVisible : kUnitDisabled;
      const std::uint32_t flags = table.Flags(t.index);
      table.SetFlags(t.index, lo != 0 ? flags | bit : flags & ~bit);
      if (control == nullptr) return;
      if (property == kVisible) {
        p.SetVisible(control->handle(), lo != 0);
        NoteKeyboardLayout(t);
      } else {
        p.SetEnabled(control->handle(), lo == 0);
      }
      return;
    }
    case kMouseCursor:
      table.ReplaceCursor(t.index, BlockBytes(PointerFromWords(lo, hi)));
      return;
    default:
      return;
  }
}

std::uint64_t ReadTyped(const Target& t, PropertyIndex property, std::int32_t sub_index) {
  Control& control = LiveControl(t);
  const PropertyInfo* info = control.type().Property(property);
  PropertyValue value;
  if (info == nullptr || !control.Get(property - kFirstTypeProperty, value)) return 0;
  switch (ClassOf(info->kind)) {
    case ValueClass::Int32:
      return static_cast<std::uint32_t>(value.number);
    case ValueClass::Int64:
      return static_cast<std::uint64_t>(value.number);
    case ValueClass::Boolean:
      return value.number == 1 ? 1 : 0;
    case ValueClass::Text:
      return WordsFromPointer(HeapText::Copy(value.text).release());
    case ValueClass::Bytes:
      return WordsFromPointer(HeapBytes::Copy(value.bytes).release());
    case ValueClass::Font:
      return form::ReadFontPart(value.font, sub_index);
    case ValueClass::Invalid:
      break;
  }
  return 0;
}

// Builds a control anew from its current properties, in the same place,
// stacking position and state, with event dispatch suspended meanwhile.
void Recreate(const Target& t) {
  platform::Platform& p = platform::CurrentPlatform();
  form::State().suspended++;
  p.ProcessPendingEvents();
  // The pending messages may have closed the window, and the control with it.
  if (t.window->Object(t.index) == nullptr) {
    form::State().suspended--;
    return;
  }
  Control& old = *t.window->objects[static_cast<std::size_t>(t.index)];
  const platform::Handle old_handle = old.handle();
  platform::CreateParams params;
  params.parent = t.window->objects[0]->handle();
  params.child_id = t.window->child_ids[static_cast<std::size_t>(t.index)];
  params.rect = p.GetRect(old_handle);
  params.disabled = !p.IsEnabled(old_handle);
  params.tab_stop = (t.window->table.Flags(t.index) & kUnitTabStop) != 0;
  const bool visible = p.IsVisible(old_handle);
  const bool focused = p.FocusedControl() == old_handle;
  CreateContext context{&old.type(), &p, params};
  Result<std::unique_ptr<Control>> made = old.type().create(context, old.Serialize());
  if (made) {
    const platform::Handle handle = (*made)->handle();
    p.PlaceBelow(handle, old_handle);
    if (visible) p.SetVisible(handle, true);
    p.Destroy(old_handle);
    t.window->objects[static_cast<std::size_t>(t.index)] = std::move(*made);
    if (focused) p.SetFocus(handle);
    form::KeyboardLayoutChanged(*t.window);
  }
  form::State().suspended--;
}

void WriteTyped(const Target& t, PropertyIndex property, std::int32_t sub_index, std::uint32_t lo,
                std::uint32_t hi, WindowId window_id, ControlId control_id) {
  Control& control = LiveControl(t);
  const PropertyInfo* info = control.type().Property(property);
  if (info == nullptr) return;
  PropertyValue value;
  switch (ClassOf(info->kind)) {
    case ValueClass::Int32:
      value.number = static_cast<std::int32_t>(lo);
      if (info->kind == PropertyKind::Enumeration && value.number < 0) value.number = 0;
      break;
    case ValueClass::Int64:
      value.number = static_cast<std::int64_t>(static_cast<std::uint64_t>(hi) << 32 | lo);
      break;
    case ValueClass::Boolean:
      value.number = lo != 0 ? 1 : 0;
      break;
    case ValueClass::Text: {
      const char* text = static_cast<const char*>(PointerFromWords(lo, hi));
      value.text = text != nullptr ? std::string_view(text) : std::string_view();
      break;
    }
    case ValueClass::Bytes:
      value.bytes = BlockBytes(PointerFromWords(lo, hi));
      break;
    case ValueClass::Font: {
      PropertyValue current;
      control.Get(property - kFirstTypeProperty, current);
      value.font = form::WriteFontPart(current.font, sub_index, lo, hi);
      break;
    }
    case ValueClass::Invalid:
      return;
  }
  switch (control.Set(property - kFirstTypeProperty, value)) {
    case SetEffect::ContentChanged:
      RaiseEvent(window_id, control_id, kEditContentChanged);
      break;
    case SetEffect::Recreate:
      Recreate(t);
      break;
    case SetEffect::None:
      break;
  }
}

}  // namespace

std::uint64_t ReadProperty(WindowId window, ControlId control, PropertyIndex property,
                           std::int32_t sub_index) {
  const Target t = Locate(window, control);
  if (property < kFirstTypeProperty) return ReadCommon(t, property);
  return ReadTyped(t, property, sub_index);
}

void WriteProperty(WindowId window, ControlId control, PropertyIndex property,
                   std::int32_t sub_index, std::uint32_t lo, std::uint32_t hi) {
  const Target t = Locate(window, control);
  if (property < kFirstTypeProperty) {
    WriteCommon(t, property, lo, hi);
  } else {
    WriteTyped(t, property, sub_index, lo, hi, window, control);
  }
}

HeapText ReadText(WindowId window, ControlId control, PropertyIndex property) {
  const std::uint64_t words = ReadProperty(window, control, property);
  return HeapText(static_cast<char*>(PointerFromWords(static_cast<std::uint32_t>(words),
                                                      static_cast<std::uint32_t>(words >> 32))));
}

std::int32_t ReadInt(WindowId window, ControlId control, PropertyIndex property) {
  return static_cast<std::int32_t>(ReadProperty(window, control, property));
}

void WriteText(WindowId window, ControlId control, PropertyIndex property, const char* gbk) {
  const std::uint64_t words = WordsFromPointer(gbk);
  WriteProperty(window, control, property, -1, static_cast<std::uint32_t>(words),
                static_cast<std::uint32_t>(words >> 32));
}

void WriteInt(WindowId window, ControlId control, PropertyIndex property, std::int32_t value) {
  WriteProperty(window, control, property, -1, static_cast<std::uint32_t>(value), 0);
}

std::optional<std::string> ComboItemText(WindowId window_id, ControlId control, int index) {
  WindowState* window = form::FindWindow(window_id);
  if (window == nullptr) return std::nullopt;
  const int unit = window->IndexOf(control);
  const auto* box = unit < 0 ? nullptr : dynamic_cast<const ComboBox*>(window->Object(unit));
  if (box == nullptr) return std::nullopt;
  const std::optional<std::string_view> text = box->ItemText(index);
  if (!text) return std::nullopt;
  return std::string(*text);
}

platform::Handle NativeHandleOf(WindowId window_id, ControlId control) {
  WindowState* window = form::FindWindow(window_id);
  if (window == nullptr) return 0;
  const int unit = window->IndexOf(control);
  const Control* object = unit < 0 ? nullptr : window->Object(unit);
  return object != nullptr ? object->handle() : 0;
}

}  // namespace veltrane::runtime
