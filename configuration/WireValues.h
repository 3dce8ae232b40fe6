#pragma once

#include "widgets/SpinEdit.h"

// How the setting pages read flags from replies and put numbers into requests.

// A one-character on/off flag from a reply: the digit "1" or the raw byte 01h means on.
inline bool isOnFlag(char flag)
{
    return flag == '1' || flag == '\x01';
}

// An edit's value for a "%u" field; the edits of these pages have no negative bounds.
inline unsigned unsignedValue(const SpinEdit* edit)
{
    return static_cast<unsigned>(edit->value());
}
