// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/app.h"
#include "framework/gui/platform.h"

int main(int argc, char** argv)
{
    fw::Platform platform(argc, argv);
    return app::Main();
}
