#pragma once
// A save that did not reach the disk is never kept quiet: the player would
// believe the level kept. Each failure becomes a notice that the game shows
// over whatever is on screen, and is said on standard error once (again only
// when the reason changes, or once the file has been saved since). Services
// report here and never draw; the app layer takes the notices.

#include <string>
#include <vector>

#include "platform/files/stream.h"

// what: the file as the player knows it ("Progress", "Options").
void ReportSave(const std::string& what, const platform::WriteResult& result);

// The notices reported since the last call, oldest first, such as
// "Progress could not be saved: the disk is full".
std::vector<std::string> TakeSaveNotices();
