// Modal dialogs from templates: see Dialog.h.
#include "framework/Dialog.h"

#include "framework/App.h"

namespace framework {

Dialog::Dialog(int templateId, HWND parent) : templateId_(templateId), parent_(parent) {}

Dialog::~Dialog() = default;

HINSTANCE Dialog::Instance() const {
  App* app = App::Current();
  return app != nullptr ? app->Instance() : GetModuleHandleA(nullptr);
}

INT_PTR Dialog::DoModal() {
  // Without a parent the dialog is owned by the main window, if there is one,
  // so that it stays in front of the launcher and disables it while shown.
  HWND owner = parent_;
  App* app = App::Current();
  if (owner == nullptr && app != nullptr) owner = app->MainWindow();
  return DialogBoxParamA(Instance(), MAKEINTRESOURCEA(templateId_), owner, &Dialog::DialogProc,
                         reinterpret_cast<LPARAM>(this));
}

void Dialog::DoDataExchange(DataExchange&) {}

bool Dialog::OnInitDialog() {
  DataExchange dx(hwnd_);
  DoDataExchange(dx);
  return true;
}

void Dialog::OnOK() { EndDialog(IDOK); }

void Dialog::OnCancel() { EndDialog(IDCANCEL); }

bool Dialog::OnCommand(int controlId, int notifyCode) {
  if (notifyCode != BN_CLICKED) return false;
  if (controlId == IDOK) {
    OnOK();
    return true;
  }
  if (controlId == IDCANCEL) {
    OnCancel();
    return true;
  }
  return false;
}

bool Dialog::OnMessage(UINT, WPARAM, LPARAM, INT_PTR&) { return false; }

void Dialog::EndDialog(INT_PTR result) { ::EndDialog(hwnd_, result); }

INT_PTR CALLBACK Dialog::DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  Dialog* dialog;
  if (message == WM_INITDIALOG) {
    dialog = reinterpret_cast<Dialog*>(lParam);
    dialog->hwnd_ = hwnd;
    SetWindowLongA(hwnd, DWL_USER, static_cast<LONG>(lParam));
  } else {
    dialog = reinterpret_cast<Dialog*>(GetWindowLongA(hwnd, DWL_USER));
  }
  // Messages that arrive before WM_INITDIALOG (WM_SETFONT) go to the system.
  if (dialog == nullptr) return FALSE;
  return dialog->Dispatch(message, wParam, lParam);
}

INT_PTR Dialog::Dispatch(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG:
      return OnInitDialog() ? TRUE : FALSE;
    case WM_COMMAND:
      return OnCommand(LOWORD(wParam), HIWORD(wParam)) ? TRUE : FALSE;
    default:
      break;
  }
  INT_PTR result = 0;
  if (!OnMessage(message, wParam, lParam, result)) return FALSE;
  // These messages take their answer as the procedure's own result; all
  // others through the dialog's message-result slot.
  switch (message) {
    case WM_QUERYDRAGICON:
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
    case WM_COMPAREITEM:
    case WM_VKEYTOITEM:
    case WM_CHARTOITEM:
      return result;
    default:
      SetWindowLongA(hwnd_, DWL_MSGRESULT, static_cast<LONG>(result));
      return TRUE;
  }
}

}  // namespace framework
