// SPDX-License-Identifier: GPL-3.0-or-later
#include "resources/textos.h"

#include "framework/core/localization.h"

#include <string_view>

namespace {

// No caching: a change of language shows at the next call.
std::string lookUp(std::string_view name, std::string_view defaultText)
{
    std::string key = "Textos.";
    key += name;
    return fw::GetLocalizedString(key, defaultText);
}

// The long defaults, one literal per line of text; CR (\r) is the line break.
constexpr std::string_view kCreditsDefault =
    "Design and Development\r"
    "Andrés Villalba\r"
    "\r"
    "Graphic Design\r"
    "Mónica Ibarra\r"
    "\r"
    "Thanks to\r"
    "Our families and friends\r"
    "The doctors who reviewed the calculations\r"
    "Everyone who tested the early versions\r"
    "Every user who sent us a suggestion\r"
    "\r"
    "***\r"
    "To our mothers,\r"
    "and to every woman\r"
    "who waits for the gift\r"
    "of a new life.\r"
    "***\r"
    "\r"
    "\r"
    "Cyclane Duvivarode License Agreement\r"
    "\r"
    "Please read this agreement carefully before you use Cyclane Duvivarode. It is a legal agreement between you and the rights holders of the program. By installing, copying or using the program you accept its terms. If you do not accept them, do not install or use the program.\r"
    "1. GRANT OF LICENSE\r"
    "Cyclane Duvivarode is free software: you may use it on any number of computers, copy it, give it away and change it under the terms of the GNU General Public License as published by the Free Software Foundation, version 3 of the License or, at your option, any later version. If you give the program to others, you must give them the same rights that you received. The complete source code of the program is available from Tarcyc Soft.\r"
    "2. COPYRIGHT\r"
    "The program, its help pages and its artwork are the property of Tarcyc Soft. and of their authors, Andrés Villalba and Mónica Ibarra, and are protected by copyright laws and international treaties. This agreement does not transfer their ownership to you. Every copy that you make, whole or in part, must keep this agreement and the copyright notice.\r"
    "3. NO MEDICAL ADVICE\r"
    "The results of the program are estimates worked out by the rhythm method from the data that you type. They are not a diagnosis and they do not replace the advice of a doctor. Every woman's cycle may change from one month to the next, and no natural method of family planning is completely safe: always consult your doctor before you rely on the results. The program does not protect you from sexually transmitted diseases.\r"
    "4. NO WARRANTY\r"
    "The program is provided \"as is\", without warranty of any kind, either expressed or implied, including, but not limited to, the implied warranties of merchantability and fitness for a particular purpose. The entire risk as to the quality, the accuracy and the results of the program is with you. Should the program prove defective, you assume the cost of all necessary servicing, repair or correction.\r"
    "5. LIMITATION OF LIABILITY\r"
    "In no event shall the rights holders be liable to you for any damages, including a pregnancy or the failure to achieve one, the loss of data or any other general, special, incidental or consequential loss, arising out of the use of or the inability to use the program, even if they have been advised of the possibility of such damages. Some countries do not allow the exclusion of liability for incidental or consequential damages, so the limitation above may not apply to you.\r"
    "6. GENERAL\r"
    "This agreement is the whole agreement between you and the rights holders about the program, and it replaces any earlier agreement about it. If any part of it is held invalid, the rest remains in force. For any question about this agreement or about the program, please write to us at support@tarcyc.example. This agreement is governed by the laws of the country in which you acquired the program.\r";

constexpr std::string_view kAyuda00Default =
    "<!DOCTYPE html PUBLIC \"-//W3C//DTD HTML 4.01 Transitional//EN\">\r"
    "<html>\r"
    "<head>\r"
    "</head>\r"
    "<body>\r"
    "<font face=\"Helvetica, Arial, sans-serif\"\r"
    " #3333ff=\"\" color=\"#3333ff\"><b>What is <i>Cyclane \r"
    "Duvivarode?</i></b></font><br>\r"
    "<font color=\"#000000\" face=\"Helvetica, Arial, sans-serif\"><b>Cyclane Duvivarode</b> is a program that works out the days of the month on which you are most fertile. \r"
    "From the dates and the lengths of your menstrual cycles it applies the rhythm method, also known as the calendar method, \r"
    "to find the day of your ovulation and the fertile days before and after it. The rhythm method has been used by millions of \r"
    "women for many years, and its results have an estimated accuracy of about 95% when your cycles are regular. The more you know about your own cycle, the better the results will be: please read also the help page about the luteal phase.</font><br>\r"
    "<br>\r"
    "<font color=\"#3333ff\"\r"
    " face=\"Helvetica, Arial, sans-serif\"><b><i>Cyclane Duvivarode</i> help to increase the posibilities to achieve pregnancy. </b></font><br>\r"
    "<font color=\"#000000\" face=\"Helvetica, Arial, sans-serif\"><b>Cyclane Duvivarode</b> uses the same method that doctors and fertility clinics use to find the best days to conceive. \r"
    "An egg lives only a day after ovulation, so the days on which you can conceive are few in every cycle. When you know them, \r"
    "you can plan intercourse for the days on which conception is most likely, and your chances of achieving pregnancy grow \r"
    "from one month to the next. Many couples who had tried for a long time achieved pregnancy once they knew their fertile days. The two days before ovulation give the best chances.</font><br>\r"
    "<br>\r"
    "<font color=\"#3333ff\"\r"
    " face=\"Helvetica, Arial, sans-serif\"><b><br><i>Cyclane Duvivarode</i> helps you choose the gender of your future baby.</b></font><br>\r"
    "<font color=\"#000000\" face=\"Helvetica, Arial, sans-serif\">The day of intercourse in relation to ovulation may favour the sex of the baby: intercourse close to ovulation \r"
    "favours a boy, and intercourse some days before it favours a girl. <b>Cyclane Duvivarode</b> shows you the days that favour a boy and \r"
    "the days that favour a girl, each with its own icon in the calendar. Of every 1000 women who followed the method, about 700 \r"
    "had a baby of the sex they had chosen. Follow the days that the calendar shows for the sex you want, and avoid intercourse on the other fertile days.</font><br>\r"
    "<br>\r"
    "<font color=\"#3333ff\"\r"
    " face=\"Helvetica, Arial, sans-serif\"><b><i>Cyclane Duvivarode</i> helps you avoid an unwanted pregnancy.</b></font><br>\r"
    "<font color=\"#000000\" face=\"Helvetica, Arial, sans-serif\">If you do not want to become pregnant, <b>Cyclane Duvivarode</b> marks the days on which you should avoid unprotected \r"
    "sex, so that you can avoid a pregnancy without contraceptives. Remember that the method needs regular cycles and that \r"
    "it does not protect you from sexually transmitted diseases. Ask your doctor whether the method is right for you.</font><br>\r"
    "<br>\r"
    "<font color=\"#3333ff\"\r"
    " face=\"Helvetica, Arial, sans-serif\"><b><i>Cyclane Duvivarode</i> - Easy to use!</b></font><br>\r"
    "<font color=\"#000000\" face=\"Helvetica, Arial, sans-serif\">Using <b>Cyclane Duvivarode</b> is very easy: type some information about your cycle (the date of your last menstruation, the average length of your cycle and the length of your luteal phase) \r"
    "and press the \"Calculate!\" button. A calendar with colours and icons will show you the dates of your menses, your fertile days and your ovulation day, and you can move from one month to the next to plan ahead. Your data are kept for the next time you open the program, so you do not need to type them in again.</font>\r"
    "</body>\r"
    "</html>\r"
    "\r";

constexpr std::string_view kAyuda01Default =
    "<!DOCTYPE html PUBLIC \"-//W3C//DTD HTML 4.01 Transitional//EN\">\r"
    "<html><head></head>\r"
    "<body><font face=\"Helvetica, Arial, sans-serif\"><font color=\"#3333ff\"><b>What is the Luteal Phase?\r"
    "</b></font><br><font color=\"#000000\">The luteal phase is the second half of the menstrual cycle: it begins the day after ovulation and lasts until the day before the next menstruation, usually 10 to 16 days (it is also called \"DPO\" or Days Past Ovulation). \r"
    "The luteal phase must last at least 10 days for a fertilized egg to implant in the uterus. Unlike the first half of the cycle, its length usually stays the same from cycle to cycle in the same woman, and the average is 14 days.</font><br><br><font color=\"#3333ff\"><b>How do I deteremine the duration of my luteal phase? </b></font><br><font color=\"#000000\">Only a laboratory test of the progesterone hormone in your blood stream can tell you exactly how long your luteal phase lasts. The test is simple and your doctor can order it for you at any time; it is usually made a week after ovulation, when progesterone levels are highest.</font><br><font color=\"#3333ff\"><b><br>What if I don't know my luteal phase duration? </b></font><br><font color=\"#000000\">If you are not shure about the duration of your luteal phase, you may use 14 days.</font>\r"
    "</font>\r"
    "</body>\r"
    "</html>\r";

constexpr std::string_view kAyuda02Default =
    "<!DOCTYPE html PUBLIC \"-//W3C//DTD HTML 4.01 Transitional//EN\">\r"
    "<html>\r"
    "<head></head>\r"
    "<body>\r"
    "<font face=\"Helvetica, Arial, sans-serif\"><font color=\"#3333ff\"><b>What is ovulation?\r"
    "</b></font></font><br>\r"
    "<font color=\"#000000\" face=\"Helvetica, Arial, sans-serif\">Ovulation is the moment into the menstrual cycle when then egg is dropped in the Fallopian tubes to be fertilized. It's the most fertile moment of the cycle. The egg may live 12 to 24 hours waiting to be fertilized. If not fertilized, the egg desintegrates and the progesterone hormone production begins initiating the luteal phase.</font>\r"
    "</body></html>\r"
    "\r"
    "\r";

constexpr std::string_view kAyuda04Default =
    "<!DOCTYPE html PUBLIC \"-//W3C//DTD HTML 4.01 Transitional//EN\">\r"
    "<html>\r"
    "<body>\r"
    "<font face=\"Helvetica, Arial, sans-serif\"><font color=\"#3333ff\"><b>Contact and Technical Support</b></font></font><br>\r"
    "<font color=\"#000000\" face=\"Helvetica, Arial, sans-serif\">\r"
    "\r"
    "<br>We would like to hear from you! Please send us your comments, suggestions and questions about <b>Cyclane Duvivarode</b>.\r"
    "<br>Every message is read and answered.\r"
    "<br>\r"
    "<br><b>Technical Support:</b>\r"
    "<br>\t\t* E-mail: support@tarcyc.example\r"
    "<br>\r"
    "<br><b>Sales:</b>\r"
    "<br>\t\t* E-mail: sales@tarcyc.example\r"
    "<br>\r"
    "<br><b>Web site:</b>\r"
    "<br>\t\t* www.tarcyc.example\r"
    "<br>\r"
    "<br><b>Before you ask for help:</b>\r"
    "<br>\t\t* Read this help: your question may be answered here.\r"
    "<br>\t\t* Make sure you have the latest version of the program:\r"
    "<br>\t\t\to Visit our download page at www.tarcyc.example/download\r"
    "<br>\t\t\to Compare its version with the one shown in the About window\r"
    "<br>\r"
    "<br><b>When you write to us, please send:</b>\r"
    "<br>\t\t* The software version:\r"
    "<br>\t\t\to Click the About button of the calendar window\r"
    "<br>\t\t\to The version is shown under the name of the program\r"
    "<br>\t\t* Your system version:\r"
    "<br>\t\t\to The name and the version of your operating system\r"
    "<br>\t\t* Your computer model:\r"
    "<br>\t\t\to The maker and the model of your computer\r"
    "<br>\t\t\to Its processor and its memory\r"
    "<br>\t\t* A description of the problem:\r"
    "<br>\t\t\to What were you doing when it happened?\r"
    "<br>\t\t\to What did you expect to happen?\r"
    "<br>\t\t\to What happened instead?\r"
    "<br>\t\t\to Can you repeat it? Which steps lead to it?\r"
    "<br>\t\t\to The exact text of any error message that was shown\r"
    "<br>\r"
    "<br><b>Comments and suggestions:</b>\r"
    "<br>\t\t* Tell us what you like and what you miss in the program.\r"
    "<br>\t\t* Ideas for new features are always welcome.\r"
    "<br>\t\t* Translations into other languages are welcome too.\r"
    "<br>\r"
    "<br>Thank you for using <b>Cyclane Duvivarode</b>!\r"
    "<br>\r"
    "<br>\t\tTarcyc Soft.\r"
    "<br>\t\twww.tarcyc.example\r"
    "\r"
    "\r"
    "</font>\r"
    "</body>\r"
    "</html>\r"
    "\r"
    "\r"
    "\r"
    "\r"
    "\r"
    "\r";

constexpr std::string_view kAyuda05Default =
    "<!DOCTYPE html PUBLIC \"-//W3C//DTD HTML 4.01 Transitional//EN\">\r"
    "<html>\r"
    "<body>\r"
    "<font face=\"Helvetica, Arial, sans-serif\"><font color=\"#3333ff\"><b>License Agreement</b></font></font><br>\r"
    "<font color=\"#000000\" face=\"Helvetica, Arial, sans-serif\">\r"
    "\r"
    "<br><b>NOTE:</b> Please read this agreement carefully before you use Cyclane Duvivarode. It is a legal agreement between you and the rights holders of the program. By installing, copying or using the program you accept its terms. If you do not accept them, do not install or use the program.\r"
    "<br>\r"
    "<br><b>1. GRANT OF LICENSE</b>\r"
    "<br>Cyclane Duvivarode is free software: you may use it on any number of computers, copy it, give it away and change it under the terms of the GNU General Public License as published by the Free Software Foundation, version 3 of the License or, at your option, any later version. If you give the program to others, you must give them the same rights that you received. The complete source code of the program is available from Tarcyc Soft.\r"
    "<br>\r"
    "<br><b>2. COPYRIGHT</b>\r"
    "<br>The program, its help pages and its artwork are the property of Tarcyc Soft. and of their authors, Andrés Villalba and Mónica Ibarra, and are protected by copyright laws and international treaties. This agreement does not transfer their ownership to you. Every copy that you make, whole or in part, must keep this agreement and the copyright notice.\r"
    "<br>\r"
    "<br><b>3. NO MEDICAL ADVICE</b>\r"
    "<br>The results of the program are estimates worked out by the rhythm method from the data that you type. They are not a diagnosis and they do not replace the advice of a doctor. Every woman's cycle may change from one month to the next, and no natural method of family planning is completely safe: always consult your doctor before you rely on the results. The program does not protect you from sexually transmitted diseases.\r"
    "<br>\r"
    "<br><b>4. NO WARRANTY</b>\r"
    "<br>The program is provided \"as is\", without warranty of any kind, either expressed or implied, including, but not limited to, the implied warranties of merchantability and fitness for a particular purpose. The entire risk as to the quality, the accuracy and the results of the program is with you. Should the program prove defective, you assume the cost of all necessary servicing, repair or correction.\r"
    "<br>\r"
    "<br><b>5. LIMITATION OF LIABILITY</b>\r"
    "<br>In no event shall the rights holders be liable to you for any damages, including a pregnancy or the failure to achieve one, the loss of data or any other general, special, incidental or consequential loss, arising out of the use of or the inability to use the program, even if they have been advised of the possibility of such damages. Some countries do not allow the exclusion of liability for incidental or consequential damages, so the limitation above may not apply to you.\r"
    "<br>\r"
    "<br><b>6. GENERAL</b>\r"
    "<br>This agreement is the whole agreement between you and the rights holders about the program, and it replaces any earlier agreement about it. If any part of it is held invalid, the rest remains in force. For any question about this agreement, please write to support@tarcyc.example. This agreement is governed by the laws of the country in which you acquired the program.\r"
    "<br>\r"
    "<br>Copyright 2004-2007 Tarcyc Soft. It is distributed on the terms written above.\r"
    "\r"
    "</font>\r"
    "</body>\r"
    "</html>\r"
    "\r"
    "\r";

constexpr std::string_view kAyuda06Default =
    "<!DOCTYPE html PUBLIC \"-//W3C//DTD HTML 4.01 Transitional//EN\">\r"
    "<html>\r"
    "<body>\r"
    "<font face=\"Helvetica, Arial, sans-serif\"><font color=\"#3333ff\"><b>Quick Start</b></font></font><br>\r"
    "<font color=\"#000000\" face=\"Helvetica, Arial, sans-serif\">\r"
    "\r"
    "\r"
    "\r"
    "<br>\t\t\t\t\t\t\t\t1. Initiate Cyclane Duvivarode by double-clicking the program icon. \r"
    "\r"
    "<br>\t\t\t\t\t\t\t\t   \r"
    "<br>\t\t\t\t\t\t\t\t   2. Indicate your last menstruation date.\r"
    "<br>\t\t\t\t\t\t\t\t   \r"
    "<br>\t\t\t\t\t\t\t\t   3. Verify Cycle length and Luteal Phase (very important)\r"
    "<br>\t\t\t\t\t\t\t\t   \r"
    "<br>\t\t\t\t\t\t\t\t   4. Select what you want to calculate (Avoid Pregnancy,  \r"
    "<br>\t\t\t\t\t\t\t\t  \t \t\t\tConceive a Child, Conceive a Boy, Conceive a Girl).\r"
    "<br>\t\t\t\t\t\t\t\t   \r"
    "<br>\t\t\t\t\t\t\t\t   5. Push the Calculate button.\r"
    "\r"
    "\r"
    "</font>\r"
    "</body>\r"
    "</html>\r"
    "\r"
    "\r"
    "\r";

// The three spare pages share one unfilled page.
constexpr std::string_view kSparePageDefault =
    "<!DOCTYPE html PUBLIC \"-//W3C//DTD HTML 4.01 Transitional//EN\">\r"
    "<html>\r"
    "<body>\r"
    "<font face=\"Helvetica, Arial, sans-serif\"><font color=\"#3333ff\"><b>             TITULO             </b></font></font><br>\r"
    "<font color=\"#000000\" face=\"Helvetica, Arial, sans-serif\">\r"
    "\r"
    "\r"
    "\r"
    "TEXTO\r"
    "\r"
    "\r"
    "</font>\r"
    "</body>\r"
    "</html>\r"
    "\r"
    "\r"
    "\r"
    "\r";

} // namespace

namespace Textos {

std::string k002() { return lookUp("k002", "Ok"); }
std::string k013() { return lookUp("k013", "© 2004-2007, Tarcyc Soft."); }
std::string k014() { return lookUp("k014", "An unknown error ocurred while trying to reach the internet. (are we connected?)"); }
std::string k200() { return lookUp("k200", "Preferences"); }
std::string k201() { return lookUp("k201", "Menses Average Length"); }
std::string k202() { return lookUp("k202", "Fertile Days"); }
std::string k203() { return lookUp("k203", "Pre-ovulation"); }
std::string k204() { return lookUp("k204", "Post-ovulation"); }
std::string k205() { return lookUp("k205", "Show disclaimer at startup"); }
std::string k207() { return lookUp("k207", "Enable help tips ballons"); }
std::string k208() { return lookUp("k208", "Check for updates at startup"); }
std::string k220() { return lookUp("k220", "Your preferences file could not be read in full. A copy of it was kept in:"); }
std::string k221() { return lookUp("k221", "Your preferences could not be saved in:"); }
std::string k222() { return lookUp("k222", "Your preferences file was written by a later version of Cyclane Duvivarode. A copy of it was kept in:"); }
std::string k300() { return lookUp("k300", "January   February  March     April     May       June      July      August    September October   November  December"); }
std::string k301() { return lookUp("k301", "Sun"); }
std::string k302() { return lookUp("k302", "Mon"); }
std::string k303() { return lookUp("k303", "Tue"); }
std::string k304() { return lookUp("k304", "Wed"); }
std::string k305() { return lookUp("k305", "Thu"); }
std::string k306() { return lookUp("k306", "Fri"); }
std::string k307() { return lookUp("k307", "Sat"); }
std::string k308() { return lookUp("k308", "Legend"); }
std::string k309() { return lookUp("k309", "Today"); }
std::string k310() { return lookUp("k310", "Menses"); }
std::string k311() { return lookUp("k311", "Ovulation"); }
std::string k312() { return lookUp("k312", "Fertile day"); }
std::string k313() { return lookUp("k313", "Sex"); }
std::string k314() { return lookUp("k314", "Sex for Boy"); }
std::string k315() { return lookUp("k315", "Sex for Girl"); }
std::string k316() { return lookUp("k316", "Avoid Sex (Unprotected)"); }
std::string k317() { return lookUp("k317", "I want to"); }
std::string k318() { return lookUp("k318", "Avoid Pregnancy"); }
std::string k319() { return lookUp("k319", "Conceive Child"); }
std::string k321() { return lookUp("k321", "Conceive a Girl"); }
std::string k322() { return lookUp("k322", "Calculate"); }
std::string k323() { return lookUp("k323", "Help"); }
std::string k324() { return lookUp("k324", "Preferences"); }
std::string k325() { return lookUp("k325", "About"); }
std::string k326() { return lookUp("k326", "Date of Last Menstruation"); }
std::string k327() { return lookUp("k327", "Average Cycle Length"); }
std::string k328() { return lookUp("k328", "Luteal Phase Length"); }
std::string k330() { return lookUp("k330", "Please, click on the part of the date you want to change and use the up/down arrows to set the new value"); }
std::string k331()
{
    return lookUp("k331",
                  "The results of this program's calculations must be used only as a reference. "
                  "Due to the diferences in the duration of every woman phase of her cycle, "
                  "we may not guaranteed or endorsed the results based on information not certified by a specialist. "
                  "Please, always consult your doctor about the correct use of this useful software tool.");
}
std::string k332() { return lookUp("k332", "Always show this alert."); }
std::string k333() { return lookUp("k333", "Agree"); }
std::string k334()
{
    return lookUp("k334",
                  "Quick Start!\r"
                  "\r"
                  "  1 - Enter the date of your last menstruation and verify the other data.\r"
                  "\r"
                  "  2 - Select what you wish to calculate\r"
                  "\r"
                  "  3 - Click on Calculate!");
}
std::string k335() { return lookUp("k335", "Ok"); }
std::string k500() { return lookUp("k500", "Help"); }
std::string k501() { return lookUp("k501", "What is Cyclane Duvivarode?,What is Luteal Phase?,What is Ovulation?,Contact and Technical Support,License,Quick Start"); }
std::string k502() { return lookUp("k502", "Close Help and return to Calendar"); }
std::string k700() { return lookUp("k700", "Checking for Updates"); }
std::string k701() { return lookUp("k701", "Installed version: "); }
std::string k702() { return lookUp("k702", "Cancel"); }
std::string k703() { return lookUp("k703", "Connecting..."); }
std::string k704() { return lookUp("k704", "Download"); }
std::string k705() { return lookUp("k705", "Close"); }
std::string k706() { return lookUp("k706", "Download complete. The file was downloaded to your desktop."); }
std::string k710() { return lookUp("k710", "New version available: "); }
std::string k711() { return lookUp("k711", "No new versions available."); }
std::string k712() { return lookUp("k712", "The update site could not be reached. Please try again later."); }
std::string k713() { return lookUp("k713", "The update site sent an answer that could not be read."); }
std::string k714() { return lookUp("k714", "The download failed. Nothing was left on your desktop."); }
std::string k904() { return lookUp("k904", "Show info about this program"); }
std::string kAppAboutBoxDescription()
{
    return lookUp("kAppAboutBoxDescription",
                  "The First Ovulation Duvivarode\r"
                  "Designed for Mac");
}
std::string kAppAboutBoxCredits() { return lookUp("kAppAboutBoxCredits", kCreditsDefault); }
std::string kayuda00() { return lookUp("kayuda00", kAyuda00Default); }
std::string kayuda01() { return lookUp("kayuda01", kAyuda01Default); }
std::string kayuda02() { return lookUp("kayuda02", kAyuda02Default); }
std::string kayuda04() { return lookUp("kayuda04", kAyuda04Default); }
std::string kayuda05() { return lookUp("kayuda05", kAyuda05Default); }
std::string kayuda06() { return lookUp("kayuda06", kAyuda06Default); }
std::string kayuda08() { return lookUp("kayuda08", kSparePageDefault); }
std::string kayuda09() { return lookUp("kayuda09", kSparePageDefault); }
std::string kayuda10() { return lookUp("kayuda10", kSparePageDefault); }

} // namespace Textos
