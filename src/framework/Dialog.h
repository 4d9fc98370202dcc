// Modal dialogs created from .rc templates, in place of MFC's CDialog.
//
// A dialog class derives from Dialog, names its template, binds its control
// members in DoDataExchange and lists the button commands it answers in a
// static route table, looked up by RouteCommand:
//
//   const CommandRoute<MyDialog> MyDialog::kRoutes[] = {
//       {1004, &MyDialog::OnVxdClicked},
//   };
//   bool MyDialog::OnCommand(int id, int code) {
//     return RouteCommand(this, kRoutes, id, code) || Dialog::OnCommand(id, code);
//   }
//
// Other window messages are routed the same way through a MessageRoute table
// in OnMessage. The base class answers OK (control 1) with OnOK and Cancel
// (control 2, Escape, the close command) with OnCancel.
#pragma once

#include <windows.h>

#include "framework/Controls.h"

namespace framework {

// Binds control members to the controls of a dialog, in the order of the calls.
class DataExchange {
 public:
  explicit DataExchange(HWND dialog) : dialog_(dialog) {}
  void Control(int controlId, Window& control) { control.Attach(GetDlgItem(dialog_, controlId)); }

 private:
  HWND dialog_;
};

template <class D>
struct CommandRoute {
  int controlId;
  void (D::*handler)();
};

// A message handler returns true when it handled the message and then sets
// result to the message's answer.
template <class D>
struct MessageRoute {
  UINT message;
  bool (D::*handler)(WPARAM wParam, LPARAM lParam, INT_PTR& result);
};

// Calls the handler routed for a button click of controlId; false when none is.
template <class D, size_t N>
bool RouteCommand(D* dialog, const CommandRoute<D> (&routes)[N], int controlId, int notifyCode) {
  if (notifyCode != BN_CLICKED) return false;
  for (const CommandRoute<D>& route : routes) {
    if (route.controlId == controlId) {
      (dialog->*route.handler)();
      return true;
    }
  }
  return false;
}

template <class D, size_t N>
bool RouteMessage(D* dialog, const MessageRoute<D> (&routes)[N], UINT message, WPARAM wParam,
                  LPARAM lParam, INT_PTR& result) {
  for (const MessageRoute<D>& route : routes) {
    if (route.message == message) return (dialog->*route.handler)(wParam, lParam, result);
  }
  return false;
}

class Dialog {
 public:
  Dialog(int templateId, HWND parent);
  virtual ~Dialog();
  Dialog(const Dialog&) = delete;
  Dialog& operator=(const Dialog&) = delete;

  // Creates the dialog from its template and runs it until it ends, owned by
  // its parent or else by the application's main window; returns
  // the value given to EndDialog (IDOK, IDCANCEL), or -1 when the dialog
  // could not be created.
  INT_PTR DoModal();

  HWND Handle() const { return hwnd_; }

 protected:
  // Binds the control members; called by the framework's OnInitDialog.
  virtual void DoDataExchange(DataExchange& dx);
  // The framework's initialisation binds the controls. Returning true lets
  // the system set the focus.
  virtual bool OnInitDialog();
  virtual void OnOK();
  virtual void OnCancel();
  // Button and menu commands; the base routes IDOK and IDCANCEL.
  virtual bool OnCommand(int controlId, int notifyCode);
  // Any other message; false lets the system's dialog handling answer it.
  virtual bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result);

  void EndDialog(INT_PTR result);
  HINSTANCE Instance() const;

 private:
  static INT_PTR CALLBACK DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  INT_PTR Dispatch(UINT message, WPARAM wParam, LPARAM lParam);

  int templateId_;
  HWND parent_;
  HWND hwnd_ = nullptr;
};

}  // namespace framework
