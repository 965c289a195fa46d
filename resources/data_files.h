#pragma once

// The data files the program reads beside kelp.exe. The build reads this list too:
// it makes each file (practice texts from data/, the rest drawn and synthesised by
// tools/) and ships exactly these in the release.
namespace kelp {

inline constexpr char kLevel1Text[] = "Level1.kpd";
inline constexpr char kLevel2Text[] = "Level2.kpd";
inline constexpr char kLevel3Text[] = "Level3.kpd";
inline constexpr char kLevel4Text[] = "Level4.kpd";
inline constexpr char kLevel5Text[] = "Level5.kpd";
inline constexpr char kSkin0Picture[] = "bgmain0.kpd";
inline constexpr char kSkin1Picture[] = "bgmain1.kpd";
inline constexpr char kSkin2Picture[] = "bgmain2.kpd";
inline constexpr char kSkin3Picture[] = "bgmain3.kpd";
inline constexpr char kLayoutPicture[] = "kb0.kpd";
inline constexpr char kLetterKeysPicture[] = "kb1.kpd";
inline constexpr char kKeypadPicture[] = "kb2.kpd";
inline constexpr char kRightKeySound[] = "KP.WAV";
inline constexpr char kWrongKeySound[] = "ERR.WAV";
inline constexpr char kSelectSound[] = "SEL1.WAV";

inline constexpr const char* kDataFiles[] = {
    kLevel1Text,        kLevel2Text,    kLevel3Text,    kLevel4Text,    kLevel5Text,
    kSkin0Picture,      kSkin1Picture,  kSkin2Picture,  kSkin3Picture,  kLayoutPicture,
    kLetterKeysPicture, kKeypadPicture, kRightKeySound, kWrongKeySound, kSelectSound,
};

}  // namespace kelp
