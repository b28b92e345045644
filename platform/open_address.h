#pragma once

#include "text.h"

// The address an omitted argument stands for: the empty page, so the browser opens
// showing nothing in particular.
inline constexpr char kDefaultAddress[] = "about:blank";

// Hands an address to the desktop's default handler, normally the web browser, and
// returns at once. Characters outside ASCII, such as Chinese ones after a "#", reach the
// handler percent-encoded as UTF-8, the way a browser expects them. Nothing is reported:
// an address the desktop cannot open is the desktop's business.
void OpenAddress(const Text& address);
void OpenAddress();
