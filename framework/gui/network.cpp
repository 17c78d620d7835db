// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/gui/network.h"
#include "framework/gui/network_seam.h"

#include <QNetworkInformation>
#include <QNetworkInterface>

#include <utility>

namespace fw::Network {

namespace {
ConnectedHook s_hook;

bool InterfaceUp()
{
    const auto wanted = QNetworkInterface::IsUp | QNetworkInterface::IsRunning;
    for (const QNetworkInterface& i : QNetworkInterface::allInterfaces())
        if ((i.flags() & wanted) == wanted && !(i.flags() & QNetworkInterface::IsLoopBack)
            && !i.addressEntries().isEmpty())
            return true;
    return false;
}
} // namespace

bool IsConnected()
{
    if (s_hook)
        return s_hook();
    static const bool loaded = QNetworkInformation::loadBackendByFeatures(QNetworkInformation::Feature::Reachability);
    if (loaded) {
        if (const QNetworkInformation* info = QNetworkInformation::instance()) {
            switch (info->reachability()) {
            case QNetworkInformation::Reachability::Online:
            case QNetworkInformation::Reachability::Site:
                return true;
            case QNetworkInformation::Reachability::Disconnected:
                return false;
            default:
                break;
            }
        }
    }
    return InterfaceUp();
}

ConnectedHook SetIsConnectedHook(ConnectedHook hook)
{
    return std::exchange(s_hook, std::move(hook));
}

} // namespace fw::Network
