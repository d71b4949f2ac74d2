#pragma once
// Where the program finds its data files. A working directory that holds them is used as it is;
// otherwise the user's own copy, made from the installed files on first start, so that the marks
// written into the star catalogue never touch the installed ones.
#include "sky/Radiant.h"

#include <array>
#include <filesystem>
#include <string>

// The files the chart needs; escudo.bmp, needed only for printing, is copied with them.
inline constexpr std::array<const char*, 8> kDataFiles{"festrella",
                                                       "ffigura",
                                                       "fnombre",
                                                       "ftriangulo",
                                                       "fnumero",
                                                       kImoRadiantFile,
                                                       kTerentjevaRadiantFile,
                                                       "fmaglim"};
inline constexpr const char* kLogoFile = "escudo.bmp";

struct DataPlaces {
    std::filesystem::path working;   // the working directory at start
    std::filesystem::path user;      // $XDG_DATA_HOME/velumbra
    std::filesystem::path installed; // share/velumbra of the installation
};

struct DataLocation {
    std::filesystem::path dir; // empty when no place holds the files
    std::string message;       // in Spanish, why dir is empty
};

// Copies into the user's folder each installed file it lacks, never replacing one it has.
DataLocation LocateData(const DataPlaces& places);
