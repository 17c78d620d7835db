// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "framework/gui/picture.h"

// The application's named pictures, called by their bare names as the
// layouts bind them. Each getter loads its picture from the embedded
// resources on the first call that finds it, applies its mask or
// transparency then, and returns that same picture from then on; nullptr
// while its resource is missing. Event-loop thread only.

// Day marks (24 x 24) and the round mask they share.
fw::PicturePtr msk();
fw::PicturePtr forbid();
fw::PicturePtr male();
fw::PicturePtr female();
fw::PicturePtr heart();
fw::PicturePtr fer();
fw::PicturePtr ovu();
fw::PicturePtr men();

// Application icon, white transparent; window backdrop.
fw::PicturePtr cycicon();
fw::PicturePtr backg1();

// Pieces of the rounded field frame (caps 10 x 20) and their masks.
fw::PicturePtr REFLeftMask();
fw::PicturePtr REFLeftPic();
fw::PicturePtr REFMiddleMask();
fw::PicturePtr REFMiddlePic();
fw::PicturePtr REFRightMask();
fw::PicturePtr REFRightPic();

// Loads resource `id` as the getters do: draws the picture of `mask` (when
// given and present) into its mask and sets Transparent to `transparent`.
// A missing resource gives nullptr and leaves the mask getter uncalled.
fw::PicturePtr LoadPictureResource(int id, fw::PicturePtr (*mask)() = nullptr, int transparent = 0);
