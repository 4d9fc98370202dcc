// Asks how the TQI4716's analog jacks are wired (motherboard design with
// shared jacks, or sound card) and whether its MIDI and game ports stay
// enabled. On OK, Options() holds the answers; Cancel leaves them unset.
#pragma once

#include "framework/Dialog.h"
#include "install/InfJackPatch.h"

class JackConfigDialog : public framework::Dialog {
 public:
  explicit JackConfigDialog(HWND parent);

  const JackOptions& Options() const { return options_; }

 protected:
  void DoDataExchange(framework::DataExchange& dx) override;
  bool OnInitDialog() override;
  void OnOK() override;
  bool OnCommand(int controlId, int notifyCode) override;

 private:
  void OnMotherboardClicked();
  void OnSoundCardClicked();
  void OnLineInCenterSubClicked();
  void OnLineInRearClicked();
  void OnMicSubClicked();
  void EnableSharingBoxes(bool enabled);

  static const framework::CommandRoute<JackConfigDialog> kCommandRoutes[];

  JackOptions options_;
  framework::Button soundCardButton;
  framework::Button motherboardButton;
  framework::Button micSharesSubBox;
  framework::Button lineInSharesRearBox;
  framework::Button lineInSharesCenterSubBox;
  framework::Button disableMidiBox;
  framework::Button disableGameBox;
};
