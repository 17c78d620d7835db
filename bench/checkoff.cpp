// SPDX-License-Identifier: GPL-3.0-or-later
// Stores "ckupdt" False in the preferences file of $XDG_CONFIG_HOME, as the
// user does who switches the start-up update check off, so that startup.sh
// can time and weigh the program without it.
#include "prefs/bprefs.h"

#include <cstdio>

int main()
{
    BPrefs::SetValue("ckupdt", false);
    if (BPrefs::Save())
        return 0;
    std::fprintf(stderr, "checkoff: %s\n", BPrefs::LastSave().reason.c_str());
    return 1;
}
