#pragma once

// The data files the program reads beside kelp.exe, one a line. The build reads
// this list too: it makes each file (practice texts from data/, the rest drawn
// and synthesised by tools/) and ships exactly these in the release.
namespace kelp {

inline constexpr const char* kDataFiles[] = {
    "Level1.kpd",
    "Level2.kpd",
    "Level3.kpd",
    "Level4.kpd",
    "Level5.kpd",
    "bgmain0.kpd",
    "bgmain1.kpd",
    "bgmain2.kpd",
    "bgmain3.kpd",
    "kb0.kpd",
    "kb1.kpd",
    "kb2.kpd",
    "KP.WAV",
    "ERR.WAV",
    "SEL1.WAV",
};

}  // namespace kelp
