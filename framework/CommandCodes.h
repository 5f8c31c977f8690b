#pragma once

#include <cstdint>

// Command numbers of the menus. Commands of the program's own are four-character codes; the
// classic document commands keep their small numbers; items whose command is not fixed (the
// Window menu's window items, the help item) get a negative synthetic command built from their
// menu and item number.
using CommandT = std::int32_t;

constexpr CommandT FourCharCode(const char (&code)[5]) {
  return static_cast<CommandT>(
      (static_cast<std::uint32_t>(static_cast<unsigned char>(code[0])) << 24) |
      (static_cast<std::uint32_t>(static_cast<unsigned char>(code[1])) << 16) |
      (static_cast<std::uint32_t>(static_cast<unsigned char>(code[2])) << 8) |
      static_cast<std::uint32_t>(static_cast<unsigned char>(code[3])));
}

constexpr CommandT SyntheticCommand(int menuId, int item) {
  return -((menuId << 16) | item);
}
constexpr bool IsSyntheticCommand(CommandT command) {
  return command < 0;
}
constexpr int SyntheticMenuId(CommandT command) {
  return (-command) >> 16;
}
constexpr int SyntheticItem(CommandT command) {
  return (-command) & 0xFFFF;
}

inline constexpr CommandT kCmdNothing = 0;
inline constexpr CommandT kCmdAbout = 1;
inline constexpr CommandT kCmdNew = 2;
inline constexpr CommandT kCmdOpen = 3;
inline constexpr CommandT kCmdClose = 4;
inline constexpr CommandT kCmdSave = 5;
inline constexpr CommandT kCmdSaveAs = 6;
inline constexpr CommandT kCmdQuit = 10;

inline constexpr CommandT kCmdUndo = FourCharCode("Eund");
inline constexpr CommandT kCmdDelete = FourCharCode("Edel");
inline constexpr CommandT kCmdSelectAll = FourCharCode("Esel");
inline constexpr CommandT kCmdFont = FourCharCode("Font");
inline constexpr CommandT kCmdGrid = FourCharCode("Grid");
inline constexpr CommandT kCmdCascade = FourCharCode("Cscd");
inline constexpr CommandT kCmdTileHorizontally = FourCharCode("Tilh");
inline constexpr CommandT kCmdTileVertically = FourCharCode("Tilv");
inline constexpr CommandT kCmdCleanProject = FourCharCode("Cprj");
inline constexpr CommandT kCmdImportWaves = FourCharCode("Impw");
inline constexpr CommandT kCmdFind = FourCharCode("Find");
inline constexpr CommandT kCmdLibraryFolders = FourCharCode("Libf");
inline constexpr CommandT kCmdPreviewSave = FourCharCode("Psav");

// Menu numbers that synthetic commands are built from.
inline constexpr int kWindowMenuId = 134;
inline constexpr int kHelpMenuId = 135;
