// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

// The texts the windows show. Each getter returns the current language's text
// for the key "Textos." followed by its own name, or its English default; it
// looks the text up at every call. Line breaks are CR characters.
namespace Textos {

// Start-up splash and texts shared by windows
std::string k002();
std::string k013();
std::string k014();

// Preferences window
std::string k200();
std::string k201();
std::string k202();
std::string k203();
std::string k204();
std::string k205();
std::string k207();
std::string k208();
// Preferences file, each followed by the file's path at quit: a file that
// could not be read in full was kept; the settings could not be saved; a
// file of a later version was kept.
std::string k220();
std::string k221();
std::string k222();

// Calendar window. k300 holds the twelve month names in fields of ten
// characters (the last one unpadded).
std::string k300();
std::string k301();
std::string k302();
std::string k303();
std::string k304();
std::string k305();
std::string k306();
std::string k307();
std::string k308();
std::string k309();
std::string k310();
std::string k311();
std::string k312();
std::string k313();
std::string k314();
std::string k315();
std::string k316();
std::string k317();
std::string k318();
std::string k319();
std::string k321();
std::string k322();
std::string k323();
std::string k324();
std::string k325();
std::string k326();
std::string k327();
std::string k328();
std::string k330();
std::string k331();
std::string k332();
std::string k333();
std::string k334();
std::string k335();

// Help window. k501 holds the topic titles separated by commas.
std::string k500();
std::string k501();
std::string k502();

// Update window. k702, k704 and k705 must differ: the window tells its state
// by its button captions.
std::string k700();
std::string k701();
std::string k702();
std::string k703();
std::string k704();
std::string k705();
std::string k706();
std::string k710();
std::string k711();
// Failures of the update check and download.
std::string k712();
std::string k713();
std::string k714();

// Tool tip
std::string k904();

// About box; an empty text hides its field.
std::string kAppAboutBoxDescription();
std::string kAppAboutBoxCredits();

// Help pages, HTML sources
std::string kayuda00();
std::string kayuda01();
std::string kayuda02();
std::string kayuda04();
std::string kayuda05();
std::string kayuda06();
std::string kayuda08();
std::string kayuda09();
std::string kayuda10();

} // namespace Textos
