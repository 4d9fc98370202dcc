#!/usr/bin/env python3
"""Writes dialogs.rc: the architecture (130), jack configuration (103) and
restart (132) dialog templates in their languages, from the tables below.
Run it after changing a text; the output is kept in the repository."""
from pathlib import Path

LANGS = {
    "zh": "LANG_CHINESE, SUBLANG_CHINESE_TRADITIONAL",
    "en": "LANG_ENGLISH, SUBLANG_ENGLISH_US",
    "fr": "LANG_FRENCH, SUBLANG_FRENCH",
    "ja": "LANG_JAPANESE, SUBLANG_DEFAULT",
    "ko": "LANG_KOREAN, SUBLANG_DEFAULT",
}

ARCH = {  # caption, OK, Cancel, VxD, WDM, the six texts under the first
    "zh": ("選擇要安裝的 Windows 98SE/ME 驅動程式架構", "確認", "取消", "虛擬設備 (VxD)", "Win32 驅動程式模式 (WDM) ",
           "請選擇底下任一種驅動程式架構：", "在 SPDIF 方面提供較佳的支援服務，建議 MiniDisc ", "隨身聽的使用者選用。",
           "提供播放環境與喇叭組態設定功能，建議一般使用", "者選用。", "備註： 如果您的作業環境是 Windows 98 SE，安裝",
           " WDM 驅動程式時將會需要系統光碟。"),
    "en": ("Windows 98SE/ME device-driver architecture selection", "OK", "Cancel", "Virtual-Device (VxD)",
           "Win32 Driver Model (WDM) ", "Please select a driver architecture:",
           "Provide comprehensive support on SPDIF. Recommended for ", "MiniDisc player users.",
           "Provide support on playback environment and speakers setup.", "Recommended for general users.",
           "Note: Windows 98 SE system disc is required for installing the", "WDM driver under Windows 98 SE."),
    "fr": ("Selection de l'architecture du pilote de peripherique pour Windows 98SE/ME", "OK", "Annuler",
           "Virtual-Device (VxD)", "Win32 Driver Model (WDM) ", "Selectionnez l'architecture du pilote :",
           "Fournit un support complet du SPDIF. Recommande", "pour les utilisateurs de lecteur MiniDisc.",
           "Fournit le support pour l'environnement de lecture et l'installation",
           "des haut-parleurs. Recommande pour la plupart des utilisateurs.",
           "Note : Le disque systeme de Windows 98 SE est necessaire pour ",
           "l'installation du pilote WDM sous Windows 98 SE."),
    "ja": ("Windows 98SE/ME ﾃﾞﾊﾞｲｽﾄﾞﾗｲﾊﾞ形式の選択", "OK", "ｷｬﾝｾﾙ ", "VxD (仮想ﾃﾞﾊﾞｲｽ)", "WDM (Windows Driver Model)",
           "ﾄﾞﾗｲﾊﾞの形式を選択してください:", "SPDIFについての多彩な設定項目を提供します。", "MD (ﾐﾆﾃﾞｨｽｸ)のﾕｰｻﾞｰに最適です。",
           "豊富な再生環境とｽﾋﾟｰｶｰ設定のｵﾌﾟｼｮﾝを提供します。", "一般のﾕｰｻﾞｰに適しています。",
           "注: Windows 98 SEでのWDMﾄﾞﾗｲﾊﾞのｲﾝｽﾄｰﾙ時には、", "Windows 98 SEのｼｽﾃﾑﾃﾞｨｽｸが求められます。"),
    "ko": ("Windows 98SE/ME 드라이버 형식 선택", "네", "닫기", "VxD (가상 디바이스)", "WDM (Windows Driver Model)",
           "드라이버 형식을 선택하여 주십시오:", "디지털 입출력(SPDIF) 에 관한 보다 자세한 옵션을 제공합니다.",
           "MD (MiniDisc) 녹음기를 사용하시는 분들께 권합니다.", "풍부한 재생 및 스피커 설정 옵션을 제공합니다.",
           "일반 사용자분들께 권합니다.", "Windows 98 SE에 WDM 드라이버를 설치하실 때에는 Windows 98SE",
           "시스템 디스크가 요구됩니다."),
}
# English positions of the six description texts: y, width.
ARCH_TEXTS = [(40, 185), (50, 90), (85, 185), (95, 140), (115, 185), (125, 155)]

RESTART = {  # title, first text, second text, yes, no, OK, font
    "en": ("Restarting Windows",
           "The audio driver has installed into your computer. Before you use the functions of this new driver, "
           "you must restart Windows or your computer.",
           "Choose one of the following options and click OK to finish setup.",
           "Yes, I want to restart my computer now.", "No, I will restart my computer later.", "OK", "Courier New"),
    "zh": ("重新啟動",
           "音效驅動程式已經安裝到您的電腦中，在您使用新的驅動程式所提供的完整功能之前，您必須重新啟動視窗或您的電腦。",
           "請選擇下列之一選項，按下【確認】按鈕以完成安裝程序。", "是，我想立即重新啟動我的電腦。",
           "不，我將稍後再重新啟動我的電腦。", "確認", "Courier New"),
    "ja": ("Windowsの再起動",
           "新しいオーディオドライバがお使いのコンピュータにインストールされました。新しいドライバは、Windowsを再起動した後に有効になります。",
           "下のいずれかを選択し、OKをクリックしてセットアップを終了してください。", "はい、今すぐコンピュータを再起動します。",
           "いいえ、後でコンピュータを再起動します。", "OK", "MS Sans Serif"),
    "ko": ("Windows 재시동",
           "새로운 오디오 구동 프로그램이 사용중인 컴퓨터에 설치되었습니다. 새로운 구동 프로그램 기능은 Windows를 다시 시작한 후에 사용할 수 있게 됩니다.",
           "아래 항목중 하나를 선택한 후 OK를 눌러 설치를 종료하십시오.", "네, 지금 바로 컴퓨터를 다시 시동합니다.",
           "아니요, 나중에 컴퓨터를 디시 시동합니다.", "OK", "MS Sans Serif"),
}


def q(text):
    return '"' + text.replace('"', '""') + '"'


def architecture(lang):
    caption, ok, cancel, vxd, wdm, first, *texts = ARCH[lang]
    narrow = lang in ("fr", "ko")
    width, height = (240, 171) if lang == "ko" else (229, 170)
    ok_x, cancel_x = (65, 125) if lang == "ko" else (60, 120)
    group_width = 230 if lang == "ko" else 220
    wdm_width = 175 if lang == "ja" else 130
    lines = [
        f"IDD_ARCHITECTURE DIALOGEX 0, 0, {width}, {height}",
        "STYLE DS_SETFONT | DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU",
        "EXSTYLE WS_EX_APPWINDOW",
        f"CAPTION {q(caption)}",
        'FONT 12, "MS Sans Serif"',
        "BEGIN",
        f"  DEFPUSHBUTTON {q(ok)}, IDOK, {ok_x}, 150, 50, 14",
        f"  PUSHBUTTON {q(cancel)}, IDCANCEL, {cancel_x}, 150, 50, 14",
        f'  GROUPBOX "", IDC_STATIC, 5, 15, {group_width}, 125',
        f'  CONTROL {q(vxd)}, IDC_ARCH_VXD, "Button", BS_AUTORADIOBUTTON, 15, 25, 120, 10',
        f'  CONTROL {q(wdm)}, IDC_ARCH_WDM, "Button", BS_AUTORADIOBUTTON, 15, 70, {wdm_width}, 10',
        f"  LTEXT {q(first)}, IDC_STATIC, 5, 5, 115, 8",
    ]
    for text, (y, w) in zip(texts, ARCH_TEXTS):
        x, w = (25, 208) if narrow else (35, w)
        lines.append(f"  LTEXT {q(text)}, IDC_STATIC, {x}, {y}, {w}, 8")
    return lines + ["END"]


def jack():
    return [
        "IDD_JACKCONFIG DIALOGEX 0, 0, 224, 185",
        "STYLE DS_SETFONT | DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU",
        "EXSTYLE WS_EX_APPWINDOW",
        'CAPTION "TQI4716 PCI Audio Device Driver Setup Program"',
        'FONT 12, "MS Sans Serif"',
        "BEGIN",
        '  DEFPUSHBUTTON "Install", IDOK, 55, 165, 50, 14',
        '  PUSHBUTTON "Cancel", IDCANCEL, 116, 165, 50, 14',
        '  LTEXT "You can install the driver by using the default options, or select the", IDC_STATIC, 5, 3, 215, 10',
        '  CONTROL "Disable MIDI port (device)", IDC_JACK_DISABLE_MIDI, "Button", BS_AUTOCHECKBOX | WS_TABSTOP, 5, 102, 140, 10',
        '  CONTROL "Disable GAME port (device)", IDC_JACK_DISABLE_GAME, "Button", BS_AUTOCHECKBOX | WS_TABSTOP, 5, 113, 140, 10',
        '  LTEXT "[Install] to start the installation.", IDC_STATIC, 5, 21, 205, 8',
        '  LTEXT "following options which your audio device uses. And then press", IDC_STATIC, 5, 12, 215, 8',
        '  GROUPBOX "Phone Jacks", IDC_STATIC, 5, 32, 215, 66',
        '  CONTROL "4716 in MotherBoard", IDC_JACK_MOTHERBOARD, "Button", BS_AUTORADIOBUTTON | WS_GROUP, 15, 42, 105, 10',
        '  CONTROL "4716 in sound card (rear speakers jack individually)", IDC_JACK_SOUND_CARD, "Button", BS_AUTORADIOBUTTON | WS_GROUP, 15, 85, 200, 10',
        '  CONTROL "Line-in and rear speaker output share the same jack.", IDC_JACK_LINEIN_REAR, "Button", BS_AUTOCHECKBOX | WS_TABSTOP, 30, 52, 185, 10',
        '  CONTROL "Line-in and Center/Subwoofer share the same jack.", IDC_JACK_LINEIN_CENTER_SUB, "Button", BS_AUTOCHECKBOX | WS_TABSTOP, 30, 62, 185, 10',
        '  CONTROL "Microphone and Subwoofer share the same jack.", IDC_JACK_MIC_SUB, "Button", BS_AUTOCHECKBOX | WS_TABSTOP, 30, 72, 185, 10',
        '  LTEXT "Note: If you are not familiar with the hardware specifications, and are ", IDC_STATIC, 5, 127, 215, 8',
        '  LTEXT "using a  pair of speakers, we suggest you use the default setting.", IDC_STATIC, 5, 137, 215, 8',
        '  LTEXT "For more information, please refer the Readme.txt.", IDC_STATIC, 5, 150, 205, 8',
        "END",
    ]


def restart(lang):
    title, first, second, yes, no, ok, font = RESTART[lang]
    first_height = 30 if lang == "zh" else 35
    return [
        "IDD_RESTART DIALOGEX 0, 0, 249, 135",
        "STYLE DS_SETFONT | DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU",
        f"CAPTION {q(title)}",
        f"FONT 10, {q(font)}",
        "BEGIN",
        f"  LTEXT {q(first)}, IDC_STATIC, 10, 10, 230, {first_height}",
        f"  LTEXT {q(second)}, IDC_STATIC, 10, 45, 230, 25",
        f'  CONTROL {q(yes)}, IDC_RESTART_NOW, "Button", BS_AUTORADIOBUTTON | WS_GROUP | WS_TABSTOP, 10, 75, 230, 10',
        f'  CONTROL {q(no)}, IDC_RESTART_LATER, "Button", BS_AUTORADIOBUTTON, 10, 90, 230, 10',
        f"  DEFPUSHBUTTON {q(ok)}, IDOK, 190, 110, 50, 14, WS_GROUP",
        "END",
    ]


def main():
    out = ["// Generated by make-dialogs.py: the architecture, jack configuration and",
           "// restart dialogs in their languages. UTF-8, included by Setup.rc.", ""]
    for lang in ("zh", "en", "fr", "ja", "ko"):
        out.append(f"LANGUAGE {LANGS[lang]}")
        out += architecture(lang)
        if lang == "en":
            out += [""] + jack()
        if lang in RESTART:
            out += [""] + restart(lang)
        out.append("")
    Path(__file__).with_name("dialogs.rc").write_text("\n".join(out), encoding="utf-8")


if __name__ == "__main__":
    main()
