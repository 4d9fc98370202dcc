// The launcher: the program's main window, a caption-less 640 x 480 picture
// with four buttons (driver and applications, driver, applications, exit).
#pragma once

#include "app/InstallContext.h"
#include "framework/Dialog.h"

class LauncherDialog : public framework::Dialog {
 public:
  explicit LauncherDialog(HWND parent);

  // The three install commands; until they are built they do nothing.
  void OnInstallDriverAndApplications();
  void OnInstallDeviceDriver();
  void OnInstallApplications();

 protected:
  void DoDataExchange(framework::DataExchange& dx) override;
  bool OnInitDialog() override;
  bool OnCommand(int controlId, int notifyCode) override;
  bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;

 private:
  bool OnSysCommand(WPARAM wParam, LPARAM lParam, INT_PTR& result);
  bool OnPaint(WPARAM wParam, LPARAM lParam, INT_PTR& result);
  bool OnQueryDragIcon(WPARAM wParam, LPARAM lParam, INT_PTR& result);

  void ShowBackgroundForVendor();
  void CentreOnDesktop();
  void PlaceButtons();
  void AddAboutEntryToSystemMenu();

  static const framework::CommandRoute<LauncherDialog> kCommandRoutes[];
  static const framework::MessageRoute<LauncherDialog> kMessageRoutes[];

  framework::Static backgroundPicture;
  framework::Button exitButton;
  framework::Button driverAndApplicationsButton;
  framework::Button driverButton;
  framework::Button applicationsButton;
  HICON icon;
};
