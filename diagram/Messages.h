// The loader's messages, each with %s for the path.
#pragma once

inline constexpr char kMsgCannotOpen[] = "Can not open a file \"%s\".";
inline constexpr char kMsgIncorrectFormat[] = "The File \"%s\" has an incorrect format.";
inline constexpr char kMsgCannotRead[] = "Can not read a file \"%s\".";
