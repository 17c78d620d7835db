// SPDX-License-Identifier: GPL-3.0-or-later
// The program as the end-to-end run drives it: the same start-up, with the
// update site's address taken from CYC_TEST_UPDATE_URL so that Check for
// Updates talks to the run's own server on 127.0.0.1. The shipped program
// reads no environment.
#include "app/app.h"
#include "framework/gui/platform.h"
#include "update/updatesite.h"
#include "update/updatesite_seam.h"

#include <cstdlib>

int main(int argc, char** argv)
{
    fw::Platform platform(argc, argv);
    if (const char* url = std::getenv("CYC_TEST_UPDATE_URL"))
        update::SetUpdateBaseURL(url);
    return app::Main();
}
