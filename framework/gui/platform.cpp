// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/gui/platform.h"

#include <QApplication>

namespace fw {

Platform::Platform(int& argc, char** argv) : m_app(std::make_unique<QApplication>(argc, argv)) {}

Platform::~Platform() = default;

} // namespace fw
