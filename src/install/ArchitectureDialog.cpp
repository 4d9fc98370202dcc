// The driver architecture dialog: see ArchitectureDialog.h.
#include "install/ArchitectureDialog.h"

#include "res/resource.h"

const framework::CommandRoute<ArchitectureDialog> ArchitectureDialog::kCommandRoutes[] = {
    {IDC_ARCH_VXD, &ArchitectureDialog::OnVxdClicked},
    {IDC_ARCH_WDM, &ArchitectureDialog::OnWdmClicked},
};

ArchitectureDialog::ArchitectureDialog(HWND parent) : Dialog(IDD_ARCHITECTURE, parent) {}

void ArchitectureDialog::DoDataExchange(framework::DataExchange& dx) {
  dx.Control(IDC_ARCH_WDM, wdmButton);
  dx.Control(IDC_ARCH_VXD, vxdButton);
}

bool ArchitectureDialog::OnInitDialog() {
  Dialog::OnInitDialog();
  vxdButton.SetCheck(useVxd != 0);
  wdmButton.SetCheck(useVxd == 0);
  return true;
}

bool ArchitectureDialog::OnCommand(int controlId, int notifyCode) {
  return framework::RouteCommand(this, kCommandRoutes, controlId, notifyCode) ||
         Dialog::OnCommand(controlId, notifyCode);
}

void ArchitectureDialog::OnVxdClicked() { useVxd = 1; }

void ArchitectureDialog::OnWdmClicked() { useVxd = 0; }
