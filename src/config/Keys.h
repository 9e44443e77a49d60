#pragma once
// Every key of Tarnwick.ini with its default, in one place.
#include "config/Profile.h"

namespace config::keys {

inline constexpr const wchar_t* kMain = L"Main";
inline constexpr const wchar_t* kEditor = L"Editor";
inline constexpr const wchar_t* kSideBar = L"SideBar";
inline constexpr const wchar_t* kPrintDefaults = L"PrintDefaults";
inline constexpr const wchar_t* kTemp = L"Temp";
inline constexpr const wchar_t* kFileTypes = L"FileTypes";
inline constexpr const wchar_t* kHistory = L"History";
inline constexpr const wchar_t* kDirHistory = L"DirHistory";
inline constexpr const wchar_t* kReOpenLast = L"ReOpenLast";
inline constexpr const wchar_t* kCustomColors = L"CustomColors";

inline constexpr wchar_t kDefaultToolBarMask[] =
    L"11011000000000011000111100001110000000000000000000100000111110000011000000011";

// Main
inline constexpr FlagKey AllowMultipleInstances{kMain, L"AllowMultipleInstances", false};
inline constexpr FlagKey UseSystemTray{kMain, L"UseSystemTray", false};
inline constexpr FlagKey ShowSplash{kMain, L"ShowSplash", true};
inline constexpr IntKey Left{kMain, L"Left", 0};  // default depends on the screen
inline constexpr IntKey Top{kMain, L"Top", 0};    // default depends on the screen
inline constexpr IntKey Width{kMain, L"Width", 445};
inline constexpr IntKey Height{kMain, L"Height", 400};
inline constexpr FlagKey ShowToolBar{kMain, L"ShowToolBar", true};
inline constexpr FlagKey ShowFormatBar{kMain, L"ShowFormatBar", true};
inline constexpr FlagKey ShowStatusBar{kMain, L"ShowStatusBar", true};
inline constexpr FlagKey ShowRuler{kMain, L"ShowRuler", true};
inline constexpr FlagKey ShowHints{kMain, L"ShowHints", true};
inline constexpr FlagKey StatusBarHints{kMain, L"StatusBarHints", true};
inline constexpr FlagKey AlwaysOnTop{kMain, L"AlwaysOnTop", false};
inline constexpr FlagKey PlaySounds{kMain, L"PlaySounds", false};
inline constexpr TextKey ToolBar{kMain, L"ToolBar", kDefaultToolBarMask, 78};
inline constexpr FlagKey ToolBarWrap{kMain, L"ToolBarWrap", true};
inline constexpr FlagKey ToolBarMenus{kMain, L"ToolBarMenus", true};
inline constexpr IntKey FileTabStyle{kMain, L"FileTabStyle", 0};
inline constexpr FlagKey FileTabBelow{kMain, L"FileTabBelow", false};
inline constexpr FlagKey FileTabWrap{kMain, L"FileTabWrap", true};
inline constexpr FlagKey FileTabImage{kMain, L"FileTabImage", true};
inline constexpr FlagKey MenuImages{kMain, L"MenuImages", true};
inline constexpr IntKey Icon{kMain, L"Icon", 0};
inline constexpr IntKey RulerStyle{kMain, L"RulerStyle", 0};
inline constexpr ColorKey RulerColor{kMain, L"RulerColor", L"0x00D8D8D8"};
inline constexpr TextKey DefaultOpenDir{kMain, L"DefaultOpenDir", L"\\", 260};
inline constexpr TextKey DefaultSaveDir{kMain, L"DefaultSaveDir", L"\\", 260};
inline constexpr FlagKey HideReOpen{kMain, L"HideReOpen", false};
inline constexpr FlagKey ReOpenLast{kMain, L"ReOpenLast", false};
inline constexpr FlagKey RecoveryJournal{kMain, L"RecoveryJournal", true};
inline constexpr IntKey DateFormat{kMain, L"DateFormat", 1};
inline constexpr IntKey TimeFormat{kMain, L"TimeFormat", 1};
inline constexpr TextKey SymbolFont{kMain, L"SymbolFont", L"Wingdings", 260};
inline constexpr FlagKey TryIt{kMain, L"TryIt", false};
inline constexpr IntKey AlreadyOpen{kMain, L"AlreadyOpen", 0};
inline constexpr FlagKey AfterDropSetToTop{kMain, L"AfterDropSetToTop", false};
inline constexpr FlagKey PlainTextInsertSymbol{kMain, L"PlainTextInsertSymbol", false};

// Editor: defaults for new documents
inline constexpr ColorKey EditorBGColor{kEditor, L"BGColor", L"clWhite"};
inline constexpr ColorKey RTFBGColor{kEditor, L"RTFBGColor", L"clWhite"};
inline constexpr FlagKey AllowRTFBGColor{kEditor, L"AllowRTFBGColor", false};
inline constexpr ColorKey EditorColor{kEditor, L"Color", L"clBlack"};
inline constexpr TextKey EditorFont{kEditor, L"Font", L"Courier New", 260};
inline constexpr IntKey EditorSize{kEditor, L"Size", 8};
inline constexpr FlagKey EditorBold{kEditor, L"Bold", false};
inline constexpr FlagKey EditorItalic{kEditor, L"Italic", false};
inline constexpr FlagKey EditorUnderline{kEditor, L"Underline", false};
inline constexpr FlagKey EditorStrikeOut{kEditor, L"StrikeOut", false};
inline constexpr FlagKey EditorWordWrap{kEditor, L"WordWrap", false};

// SideBar
inline constexpr IntKey SideBarState{kSideBar, L"State", 0};
inline constexpr IntKey SideBarWidth{kSideBar, L"Width", 91};
inline constexpr FlagKey SideBarRightSide{kSideBar, L"RightSide", false};
inline constexpr ColorKey SideBarBGColor{kSideBar, L"BGColor", L"clWhite"};
inline constexpr ColorKey SideBarColor{kSideBar, L"Color", L"clBlack"};
inline constexpr TextKey SideBarFont{kSideBar, L"Font", L"MS Sans Serif", 260};
inline constexpr IntKey SideBarSize{kSideBar, L"Size", 8};
inline constexpr FlagKey SideBarBold{kSideBar, L"Bold", false};
inline constexpr FlagKey SideBarItalic{kSideBar, L"Italic", false};
inline constexpr FlagKey SideBarUnderline{kSideBar, L"Underline", false};
inline constexpr FlagKey SideBarStrikeOut{kSideBar, L"StrikeOut", false};

// ReOpenLast
inline constexpr IntKey ReOpenCount{kReOpenLast, L"Count", 0};

}  // namespace config::keys
