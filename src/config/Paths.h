#pragma once
// The folders and files the program works with. Tests point them at a scratch folder.
#include <string>

namespace config {

struct AppPaths {
  std::wstring programFolder;  // ends in a backslash
  std::wstring windowsFolder;  // ends in a backslash
  std::wstring iniPath;        // programFolder + "Tarnwick.ini"
  std::wstring handOffPath;    // programFolder + "param.dat"
  std::wstring helpPath;       // programFolder + "Tarnwick.hlp"

  static AppPaths ForFolders(std::wstring programFolder, std::wstring windowsFolder) {
    if (!programFolder.empty() && programFolder.back() != L'\\') programFolder += L'\\';
    if (!windowsFolder.empty() && windowsFolder.back() != L'\\') windowsFolder += L'\\';
    AppPaths paths;
    paths.programFolder = programFolder;
    paths.windowsFolder = windowsFolder;
    paths.iniPath = programFolder + L"Tarnwick.ini";
    paths.handOffPath = programFolder + L"param.dat";
    paths.helpPath = programFolder + L"Tarnwick.hlp";
    return paths;
  }
};

}  // namespace config
