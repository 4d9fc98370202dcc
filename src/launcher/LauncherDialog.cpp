// The launcher window: see LauncherDialog.h.
#include "launcher/LauncherDialog.h"

#include "app/SetupApp.h"
#include "detect/DeviceSignature.h"
#include "launcher/AboutDialog.h"
#include "res/resource.h"

namespace {

const int kLauncherWidth = 640;
const int kLauncherHeight = 480;

struct ButtonPlace {
  int controlId;
  int x;
  int y;
};
const int kButtonWidth = 260;
const int kButtonHeight = 40;
const ButtonPlace kButtonPlaces[] = {
    {IDC_INSTALL_DRIVER_AND_APPLICATIONS, 170, 120},
    {IDC_INSTALL_DRIVER, 170, 180},
    {IDC_INSTALL_APPLICATIONS, 170, 240},
    {IDCANCEL, 170, 300},
};

}  // namespace

const framework::CommandRoute<LauncherDialog> LauncherDialog::kCommandRoutes[] = {
    {IDC_INSTALL_APPLICATIONS, &LauncherDialog::OnInstallApplications},
    {IDC_INSTALL_DRIVER, &LauncherDialog::OnInstallDeviceDriver},
    {IDC_INSTALL_DRIVER_AND_APPLICATIONS, &LauncherDialog::OnInstallDriverAndApplications},
};

const framework::MessageRoute<LauncherDialog> LauncherDialog::kMessageRoutes[] = {
    {WM_SYSCOMMAND, &LauncherDialog::OnSysCommand},
    {WM_PAINT, &LauncherDialog::OnPaint},
    {WM_QUERYDRAGICON, &LauncherDialog::OnQueryDragIcon},
};

LauncherDialog::LauncherDialog(HWND parent)
    : Dialog(IDD_LAUNCHER, parent), icon(TheSetupApp().LoadIcon(IDR_MAINFRAME)) {}

void LauncherDialog::DoDataExchange(framework::DataExchange& dx) {
  dx.Control(IDC_BACKGROUND, backgroundPicture);
  dx.Control(IDCANCEL, exitButton);
  dx.Control(IDC_INSTALL_DRIVER_AND_APPLICATIONS, driverAndApplicationsButton);
  dx.Control(IDC_INSTALL_DRIVER, driverButton);
  dx.Control(IDC_INSTALL_APPLICATIONS, applicationsButton);
}

bool LauncherDialog::OnInitDialog() {
  Dialog::OnInitDialog();
  TheSetupApp().SetMainWindow(Handle());
  SetWindowTextA(Handle(), "Setup");
  ShowBackgroundForVendor();
  CentreOnDesktop();
  PlaceButtons();
  AddAboutEntryToSystemMenu();
  SendMessageA(Handle(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
  SendMessageA(Handle(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
  RunStartModes();
  return true;
}

bool LauncherDialog::OnCommand(int controlId, int notifyCode) {
  return framework::RouteCommand(this, kCommandRoutes, controlId, notifyCode) ||
         Dialog::OnCommand(controlId, notifyCode);
}

bool LauncherDialog::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) {
  return framework::RouteMessage(this, kMessageRoutes, message, wParam, lParam, result);
}

// The template shows the maker's chip; any other vendor (an AC'97 controller
// of a codec disc) gets the other picture. The picture control keeps the
// bitmap for the life of the window.
void LauncherDialog::ShowBackgroundForVendor() {
  if (deviceSignature.vendorId == kMakerVendorId) return;
  HBITMAP other = LoadBitmapA(Instance(), MAKEINTRESOURCEA(IDB_BACKGROUND_OTHER));
  backgroundPicture.SetBitmap(other);
}

void LauncherDialog::CentreOnDesktop() {
  RECT desktop;
  GetWindowRect(GetDesktopWindow(), &desktop);
  MoveWindow(Handle(), (desktop.right - kLauncherWidth) / 2, (desktop.bottom - kLauncherHeight) / 2, kLauncherWidth,
             kLauncherHeight, TRUE);
}

void LauncherDialog::PlaceButtons() {
  for (const ButtonPlace& place : kButtonPlaces) {
    MoveWindow(GetDlgItem(Handle(), place.controlId), place.x, place.y, kButtonWidth, kButtonHeight, TRUE);
  }
}

void LauncherDialog::AddAboutEntryToSystemMenu() {
  HMENU systemMenu = GetSystemMenu(Handle(), FALSE);
  if (systemMenu == nullptr) return;
  char text[128];
  if (LoadStringA(Instance(), IDS_ABOUTBOX, text, sizeof text) <= 0) return;
  AppendMenuA(systemMenu, MF_SEPARATOR, 0, nullptr);
  AppendMenuA(systemMenu, MF_STRING, IDM_ABOUTBOX, text);
}

bool LauncherDialog::OnSysCommand(WPARAM wParam, LPARAM, INT_PTR& result) {
  if ((wParam & 0xFFF0) != IDM_ABOUTBOX) return false;  // the system's own handling
  AboutDialog about;
  about.DoModal();
  result = 0;
  return true;
}

// Minimised, the window shows its icon centred in the client area; otherwise
// the controls paint themselves.
bool LauncherDialog::OnPaint(WPARAM, LPARAM, INT_PTR& result) {
  if (!IsIconic(Handle())) return false;
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(Handle(), &paint);
  SendMessageA(Handle(), WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
  RECT client;
  GetClientRect(Handle(), &client);
  int x = (client.right - client.left - GetSystemMetrics(SM_CXICON) + 1) / 2;
  int y = (client.bottom - client.top - GetSystemMetrics(SM_CYICON) + 1) / 2;
  DrawIcon(dc, x, y, icon);
  EndPaint(Handle(), &paint);
  result = 0;
  return true;
}

bool LauncherDialog::OnQueryDragIcon(WPARAM, LPARAM, INT_PTR& result) {
  result = reinterpret_cast<INT_PTR>(icon);
  return true;
}
