#include "standin/reader/reader_tool_bar.h"

#include "standin/interface/reader_commands.h"

namespace standin {
namespace {

constexpr int kPictureSize = 20;  // the host's tool button pictures are 20 by 20

// The picture's top-left pixel is its background, shown as the bar's.
COLORREF BackgroundOf(HBITMAP bitmap) {
  const MemoryDc dc(CreateCompatibleDC(nullptr));
  const Selection in = Select(dc.get(), bitmap);
  return GetPixel(dc.get(), 0, 0);
}

}  // namespace

bool ButtonWorks(const ToolButtonRecord& button) { return button.name == "Open" || button.executeProc != nullptr; }

void ReaderToolBar::Create(HWND parent) {
  window_.reset(CreateWindowExA(0, TOOLBARCLASSNAMEA, nullptr,
                                WS_CHILD | WS_VISIBLE | TBSTYLE_FLAT | TBSTYLE_LIST | TBSTYLE_TOOLTIPS | CCS_TOP, 0, 0,
                                0, 0, parent, nullptr, GetModuleHandleA(nullptr), nullptr));
  SendMessageA(Handle(), TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
  SendMessageA(Handle(), TB_SETEXTENDEDSTYLE, 0, TBSTYLE_EX_MIXEDBUTTONS);
  SendMessageA(Handle(), TB_SETBITMAPSIZE, 0, MAKELPARAM(kPictureSize, kPictureSize));
}

const ToolButtonRecord* ReaderToolBar::ButtonAt(std::size_t place) const {
  return place < shown_.size() ? shown_[place].button : nullptr;
}

void ReaderToolBar::Show(const ToolBar& bar) {
  std::vector<Shown> shown;
  for (const ToolButtonRecord* button : bar.OnBar()) {
    // A picture's text is its tool tip; a button without one shows its name.
    const std::string text = button->icon != nullptr && !button->helpText.empty() ? button->helpText : button->name;
    shown.push_back({button, button->icon, ButtonWorks(*button), text});
  }
  if (!window_ || shown == shown_) return;
  shown_ = std::move(shown);
  while (SendMessageA(Handle(), TB_BUTTONCOUNT, 0, 0) > 0) SendMessageA(Handle(), TB_DELETEBUTTON, 0, 0);
  images_.reset(ImageList_Create(kPictureSize, kPictureSize, ILC_COLOR24 | ILC_MASK, 4, 4));
  SendMessageA(Handle(), TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(images_.get()));
  std::vector<TBBUTTON> controls;
  for (std::size_t place = 0; place < shown_.size(); ++place) {
    const Shown& button = shown_[place];
    TBBUTTON control{};
    control.idCommand = kCommandToolButton + static_cast<int>(place);
    control.fsState = button.works ? TBSTATE_ENABLED : 0;
    control.iString = reinterpret_cast<INT_PTR>(button.text.c_str());
    if (button.button->separator) {
      control.fsStyle = BTNS_SEP;
    } else if (const auto picture = static_cast<HBITMAP>(button.icon)) {
      // Masking changes the bitmap it is given: a copy, so the maker's stays as it is.
      const GdiObject copy(CopyImage(picture, IMAGE_BITMAP, 0, 0, 0));
      control.iBitmap = ImageList_AddMasked(images_.get(), static_cast<HBITMAP>(copy.get()), BackgroundOf(picture));
      control.fsStyle = BTNS_BUTTON | BTNS_AUTOSIZE;
    } else {
      control.iBitmap = I_IMAGENONE;
      control.fsStyle = BTNS_BUTTON | BTNS_AUTOSIZE | BTNS_SHOWTEXT;
    }
    controls.push_back(control);
  }
  SendMessageA(Handle(), TB_ADDBUTTONSA, controls.size(), reinterpret_cast<LPARAM>(controls.data()));
  SendMessageA(Handle(), TB_AUTOSIZE, 0, 0);
}

}  // namespace standin
