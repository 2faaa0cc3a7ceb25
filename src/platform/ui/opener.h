#pragma once
// Handing a target to the desktop: a folder opens in the file manager, a web
// link in the desktop's browser. The result is the desktop's word that it
// took the target; callers that open on a user's click may ignore it.
//
// Links come from files the program downloads (the advert) or reads (the
// product information, the help pages), so only http and https links are
// handed on: anything else (a local file, a program, another scheme) is
// refused, and the refusal goes to the observer the application sets (the
// run's log).
//
// When EXAMSIM_OPEN_LOG names a file, nothing is opened: each target is
// appended to that file as one UTF-8 line instead (tests and the probe read
// it back). Refused links never reach it.

#include <QString>
#include <functional>

namespace plat {

// Opens a local folder (an absolute path) with the desktop.
bool openFolder(const QString &path);

// True for an http or https link with a host (outer blanks ignored).
bool isWebLink(const QString &target);

// Opens a web link (outer blanks removed). An empty target opens nothing and
// is not refused; any other target that is not a web link is refused.
bool openLink(const QString &target);

// Told of every refused link; empty: refusals are silent.
void setRefusedLinkObserver(std::function<void(const QString &target)> observer);

} // namespace plat
