# SPDX-License-Identifier: GPL-3.0-or-later
# The layers of the source tree, from the bottom: the one place that orders
# them. A file may include headers of its own layer and of the layers below,
# never of one above. Folders on one line share a layer (the subsystems'
# windows may include each other); the longest matching folder decides, so
# prefs/window sits above prefs and calendar/logic below calendar. Each layer
# is also a library of its own (cyc_layer in the top CMakeLists.txt) that
# links only the layers below it.
set(CYC_LAYERS
  "framework/core"
  "framework/modules"
  "framework/gui"
  "prefs"
  "resources"
  "controls"
  "calendar/logic help/render"
  "help/controls"
  "calendar prefs/window help update"
  "app")
# Layers from this one up hold application code, which includes no Qt header.
set(CYC_FIRST_APPLICATION_LAYER 3)
