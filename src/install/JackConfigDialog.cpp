// The jack configuration dialog: see JackConfigDialog.h.
//
// The two designs are radio buttons that each start a group, so the system
// does not make them exclusive: the handlers do. The sharing boxes are
// automatic check boxes, toggled before their handler runs.
#include "install/JackConfigDialog.h"

#include "res/resource.h"

const framework::CommandRoute<JackConfigDialog> JackConfigDialog::kCommandRoutes[] = {
    {IDC_JACK_MOTHERBOARD, &JackConfigDialog::OnMotherboardClicked},
    {IDC_JACK_SOUND_CARD, &JackConfigDialog::OnSoundCardClicked},
    {IDC_JACK_LINEIN_CENTER_SUB, &JackConfigDialog::OnLineInCenterSubClicked},
    {IDC_JACK_LINEIN_REAR, &JackConfigDialog::OnLineInRearClicked},
    {IDC_JACK_MIC_SUB, &JackConfigDialog::OnMicSubClicked},
};

JackConfigDialog::JackConfigDialog(HWND parent) : Dialog(IDD_JACKCONFIG, parent) {}

void JackConfigDialog::DoDataExchange(framework::DataExchange& dx) {
  dx.Control(IDC_JACK_SOUND_CARD, soundCardButton);
  dx.Control(IDC_JACK_MOTHERBOARD, motherboardButton);
  dx.Control(IDC_JACK_MIC_SUB, micSharesSubBox);
  dx.Control(IDC_JACK_LINEIN_REAR, lineInSharesRearBox);
  dx.Control(IDC_JACK_LINEIN_CENTER_SUB, lineInSharesCenterSubBox);
  dx.Control(IDC_JACK_DISABLE_MIDI, disableMidiBox);
  dx.Control(IDC_JACK_DISABLE_GAME, disableGameBox);
}

// The defaults: a motherboard design whose line-in shares the rear speaker
// jack, both ports enabled.
bool JackConfigDialog::OnInitDialog() {
  Dialog::OnInitDialog();
  soundCardButton.SetCheck(false);
  motherboardButton.SetCheck(true);
  lineInSharesRearBox.SetCheck(true);
  micSharesSubBox.SetCheck(false);
  lineInSharesCenterSubBox.SetCheck(false);
  disableMidiBox.SetCheck(false);
  disableGameBox.SetCheck(false);
  return true;
}

bool JackConfigDialog::OnCommand(int controlId, int notifyCode) {
  return framework::RouteCommand(this, kCommandRoutes, controlId, notifyCode) ||
         Dialog::OnCommand(controlId, notifyCode);
}

void JackConfigDialog::EnableSharingBoxes(bool enabled) {
  lineInSharesRearBox.Enable(enabled);
  micSharesSubBox.Enable(enabled);
  lineInSharesCenterSubBox.Enable(enabled);
}

void JackConfigDialog::OnMotherboardClicked() {
  soundCardButton.SetCheck(false);
  motherboardButton.SetCheck(true);
  EnableSharingBoxes(true);
}

// A sound card has a jack for every output; the boxes keep their marks but
// are greyed and do not count.
void JackConfigDialog::OnSoundCardClicked() {
  soundCardButton.SetCheck(true);
  motherboardButton.SetCheck(false);
  EnableSharingBoxes(false);
}

// Line-in can share only one jack; the centre/subwoofer jack and the
// microphone's subwoofer jack exclude each other.
void JackConfigDialog::OnLineInCenterSubClicked() {
  lineInSharesRearBox.SetCheck(false);
  micSharesSubBox.SetCheck(false);
  lineInSharesCenterSubBox.SetCheck(true);
}

void JackConfigDialog::OnLineInRearClicked() {
  lineInSharesRearBox.SetCheck(true);
  lineInSharesCenterSubBox.SetCheck(false);
}

void JackConfigDialog::OnMicSubClicked() { lineInSharesCenterSubBox.SetCheck(false); }

void JackConfigDialog::OnOK() {
  bool soundCard = soundCardButton.IsChecked();
  options_.lineInSharesRear = !soundCard && lineInSharesRearBox.IsChecked() ? 1 : 0;
  options_.lineInSharesCenterSub = !soundCard && lineInSharesCenterSubBox.IsChecked() ? 1 : 0;
  options_.micSharesSub = !soundCard && micSharesSubBox.IsChecked() ? 1 : 0;
  options_.gamePortEnabled = disableGameBox.IsChecked() ? 0 : 1;
  options_.midiPortEnabled = disableMidiBox.IsChecked() ? 0 : 1;
  Dialog::OnOK();
}
