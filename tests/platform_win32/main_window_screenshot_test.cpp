// The main window as a person sees it on Windows: the program started on the
// native platform, the window captured from the screen to a PNG and checked
// by its pixels; then real mouse clicks on 自动排盘 and 复制排盘, with the
// copied chart read back from the clipboard.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "base/text/gbk.h"
#include "form/form_runtime.h"
#include "form/template/window_template.h"
#include "platform/win32/win32_platform.h"
#include "ui/copy_worked_chart.h"
#include "ui/main_window_ids.h"
#include "ui/main_window_template.h"
#include "ui/program.h"
#include "win32_test_support.h"

namespace veltrane::platform::test {
namespace {

constexpr std::uint32_t kBlack = 0x000000;
constexpr std::uint32_t kRed = 0xFF0000;
constexpr std::uint32_t kPalaceBlue = 0x0060C0;

class MainWindowScreenshot : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    platform_ = new Win32Platform();
    InstallPlatform(platform_);
    program_ = new ui::Program();
    program_->Start();
    window_ = platform_->WindowOf(Native(runtime::kWindowUnitId));
    ASSERT_NE(window_, nullptr);
    SetForegroundWindow(window_);
    PumpMessages(500);
    GetWindowRect(window_, &frame_);
    shot_ = CaptureScreen(frame_);
    const char* dir = std::getenv("VELTRANE_SCREENSHOT_DIR");
    SavePng(shot_, std::string(dir != nullptr ? dir : ".") + "/main_window_windows.png");
    POINT origin{0, 0};
    ClientToScreen(window_, &origin);
    client_origin_ = {origin.x - frame_.left, origin.y - frame_.top};
  }

  static Handle Native(runtime::ControlId id) {
    return runtime::NativeHandleOf(ui::kMainWindow, id);
  }

  // A rectangle of the client area as it lies in the capture.
  static Capture Client(int left, int top, int width, int height) {
    return shot_.Part(left + client_origin_.x, top + client_origin_.y, width, height);
  }

  // A real mouse click in the middle of a control.
  static void ClickAt(Handle control) {
    RECT r{};
    GetWindowRect(platform_->WindowOf(control), &r);
    SetCursorPos((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    INPUT clicks[2] = {};
    clicks[0].type = clicks[1].type = INPUT_MOUSE;
    clicks[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    clicks[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    SendInput(2, clicks, sizeof(INPUT));
  }

  // Types a text into an edit box as keystrokes would, replacing what it holds.
  static void TypeInto(runtime::ControlId box, const std::wstring& text) {
    HWND edit = platform_->WindowOf(Native(box));
    SendMessageW(edit, EM_SETSEL, 0, -1);
    for (const wchar_t ch : text) SendMessageW(edit, WM_CHAR, ch, 0);
  }

  static std::vector<runtime::UnitDescription> Units() { return ui::MainWindowDescription().units; }

  static inline Win32Platform* platform_ = nullptr;
  static inline ui::Program* program_ = nullptr;  // kept for the whole suite, as the platform is
  static inline HWND window_ = nullptr;
  static inline RECT frame_{};
  static inline Capture shot_;
  static inline POINT client_origin_{};
};

TEST_F(MainWindowScreenshot, OuterSizeIsTheStoredSizeCentredOnTheScreen) {
  EXPECT_EQ(shot_.width, 792);
  EXPECT_EQ(shot_.height, 586);
  const Rect r = platform_->GetRect(Native(runtime::kWindowUnitId));
  const Size screen = platform_->ScreenSize();
  EXPECT_EQ(r, (Rect{(screen.width - 792) / 2, (screen.height - 586) / 2, 792, 586}));
  const LONG_PTR style = GetWindowLongPtrW(window_, GWL_STYLE);
  EXPECT_NE(style & WS_CAPTION, 0);
  EXPECT_NE(style & WS_SYSMENU, 0);
  EXPECT_NE(style & WS_MINIMIZEBOX, 0);
  EXPECT_EQ(style & WS_MAXIMIZEBOX, 0);
  EXPECT_EQ(style & WS_THICKFRAME, 0);
}

TEST_F(MainWindowScreenshot, BackgroundIsBlack) {
  // The right margin holds no control.
  const Capture margin = Client(735, 120, 50, 300);
  EXPECT_EQ(CountPixels(margin, kBlack, 0), margin.width * margin.height);
  EXPECT_GT(CountPixels(shot_, kBlack, 8), shot_.width * shot_.height / 2);
}

TEST_F(MainWindowScreenshot, RedRulesDrawTheGrid) {
  for (const int top : {128, 320}) {
    const RECT ink = PixelBounds(Client(24, top, 696, 16), kRed);
    EXPECT_GT(ink.right - ink.left, 300) << "row at " << top;
  }
  for (const int left : {234, 475}) {
    const RECT ink = PixelBounds(Client(left, 16, 30, 448), kRed);
    EXPECT_GT(ink.bottom - ink.top, 300) << "column at " << left;
  }
}

TEST_F(MainWindowScreenshot, PalaceCaptionsAreBlue) {
  int captions = 0;
  for (const runtime::UnitDescription& u : Units()) {
    if (u.id < 0x16010006 || u.id > 0x1601000E) continue;  // 标签5 .. 标签13
    ++captions;
    EXPECT_GT(CountPixels(Client(u.left, u.top, u.width, u.height), kPalaceBlue, 50), 30)
        << std::hex << u.id;
  }
  EXPECT_EQ(captions, 9);
}

TEST_F(MainWindowScreenshot, AComboBoxStandsAtEveryStoredPosition) {
  int combos = 0;
  for (const runtime::UnitDescription& u : Units()) {
    if (u.type_code != static_cast<std::uint32_t>(runtime::TypeCode::ComboBox)) continue;
    ++combos;
    // The closed box's face is light, unlike the black window behind it.
    const Capture face = Client(u.left + 3, u.top + 3, 30, 12);
    EXPECT_GT(CountPixels(face, 0xEBEBEB, 60), face.width * face.height / 2)
        << "combo " << std::hex << u.id << " at " << std::dec << u.left << ", " << u.top;
  }
  EXPECT_EQ(combos, 59);
}

// Two texts as the window draws them in a control: a face without the
// characters draws the same box for each, so the two captures would match.
TEST_F(MainWindowScreenshot, DigitsAndLatinLettersAreDrawnNotBoxes) {
  struct Pair {
    runtime::ControlId control;
    runtime::PropertyIndex property;
    const char* one;
    const char* other;
  };
  constexpr runtime::ControlId kTitle = 0x16010822;  // 标签29 "Veltrane 奇门遁甲时家排盘"
  for (const Pair& p : {Pair{kTitle, runtime::kLabelCaption, "IIIIIIII", "WWWWWWWW"},
                        Pair{ui::kYearBox, runtime::kEditContent, "1111", "8888"}}) {
    const runtime::HeapText kept = runtime::ReadText(ui::kMainWindow, p.control, p.property);
    RECT r{};
    GetWindowRect(platform_->WindowOf(Native(p.control)), &r);
    runtime::WriteText(ui::kMainWindow, p.control, p.property, p.one);
    PumpMessages(200);
    const Capture one = CaptureScreen(r);
    runtime::WriteText(ui::kMainWindow, p.control, p.property, p.other);
    PumpMessages(200);
    const Capture other = CaptureScreen(r);
    runtime::WriteText(ui::kMainWindow, p.control, p.property, kept.c_str());
    PumpMessages(100);
    EXPECT_NE(one.pixels, other.pixels) << p.one << " and " << p.other << " look alike";
  }
}

// The window opens with the focus in the year box, as on Linux.
TEST_F(MainWindowScreenshot, OpensWithTheFocusInTheYearBox) {
  EXPECT_EQ(platform_->FocusedControl(), Native(ui::kYearBox));
}

// veltrane.exe carries the icon its window class loads (icon group 1) and
// asks the loader for ASLR with high entropy and DEP.
TEST(DesktopProgram, CarriesTheProgramsIconAndTheLoadersProtections) {
  std::wstring path(MAX_PATH, L'\0');
  path.resize(GetModuleFileNameW(nullptr, path.data(), MAX_PATH));
  path = path.substr(0, path.find_last_of(L"\\/") + 1) + VELTRANE_DESKTOP_EXE;
  HMODULE exe = LoadLibraryExW(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  ASSERT_NE(exe, nullptr);
  EXPECT_NE(FindResourceW(exe, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(14)),
            nullptr);  // RT_GROUP_ICON
  FreeLibrary(exe);

  std::ifstream file(std::filesystem::path(path), std::ios::binary);
  const std::vector<char> bytes((std::istreambuf_iterator<char>(file)), {});
  ASSERT_GT(bytes.size(), 0x200u);
  std::uint32_t pe = 0;
  std::memcpy(&pe, bytes.data() + 0x3C, sizeof pe);
  ASSERT_LT(pe + 24 + 72, bytes.size());
  std::uint16_t characteristics = 0;  // IMAGE_OPTIONAL_HEADER64.DllCharacteristics
  std::memcpy(&characteristics, bytes.data() + pe + 24 + 70, sizeof characteristics);
  EXPECT_NE(characteristics & IMAGE_DLLCHARACTERISTICS_HIGH_ENTROPY_VA, 0);
  EXPECT_NE(characteristics & IMAGE_DLLCHARACTERISTICS_DYNAMIC_BASE, 0);
  EXPECT_NE(characteristics & IMAGE_DLLCHARACTERISTICS_NX_COMPAT, 0);
}

// Runs last (by name order within the suite, after the captures above).
TEST_F(MainWindowScreenshot, ZClicksPlotThenCopyTheChartToTheClipboard) {
  TypeInto(ui::kYearBox, L"2001");
  TypeInto(ui::kMonthBox, L"12");
  TypeInto(ui::kDayBox, L"27");
  TypeInto(ui::kHourBox, L"4");
  ClickAt(Native(ui::kPlotButton));
  PumpMessages(300);
  platform_->ClearClipboard();
  {
    MessageBoxAnswerer answerer(IDOK);
    ClickAt(Native(ui::kCopyButton));
    PumpMessages(800);
    ASSERT_EQ(answerer.seen().size(), 1u);
    EXPECT_EQ(answerer.seen()[0].title, L"提示");
    EXPECT_EQ(answerer.seen()[0].text, L"已经整盘复制到剪切板！");
  }
  const std::string copied = runtime::Utf8FromGbk(platform_->ClipboardText());
  // A past hour is plotted at its start.
  EXPECT_EQ(copied, testing_support::WorkedChartText(0));
}

}  // namespace
}  // namespace veltrane::platform::test
