// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef UTF8LOCALE_H
#define UTF8LOCALE_H

// Where the environment names a locale whose characters are not UTF-8 (the
// C locale of a bare system, a cron job, "env -i"), names the same locale in
// UTF-8, or else C.UTF-8, for character handling, as the toolkit would do
// itself with a warning on standard error. Called before the application
// object is made, which reads the environment.
void chooseUtf8Locale();

#endif // UTF8LOCALE_H
