#include "about/licence.h"

#include "appinfo.h"

namespace pelimor::licence {

// Plain ASCII on purpose: every character is one character in the box on
// every platform, so the paragraph keeps its designed length of 2007.

const char *const grant =
    "Pelimor ISO Burn is freeware. You may download, install and use this program on as many computers as "
    "you like, at home, at school or at work, entirely free of charge: no fee, registration, subscription or "
    "activation is ever asked of you, and no feature is ever held back. You may also copy the program and "
    "pass copies on unchanged to anyone you wish, by any means, such as on a disc, on a web site or by "
    "e-mail, as long as each copy is complete and keeps this licence and the notices that come with it. ";

const char *const disclaimer =
    "The program is provided as is, without any warranty of any kind, either expressed or implied, "
    "including, but not limited to, the implied warranties of merchantability and fitness for a particular "
    "purpose. The entire risk as to the quality and performance of the program is with you. The discs you "
    "write with it are your own responsibility: check the image file, the recorder and the blank disc before "
    "you burn, keep your own copies of anything that matters, and check each disc you write before you rely "
    "on it. A write that is cut short, by a power cut, a full disc or a faulty recorder, can spoil the disc "
    "for good. In no event will the author or anyone who passes the program on be liable to you for any "
    "damages, including lost data, spoiled discs or any other loss, arising out of the use of the program or "
    "the inability to use it. ";

// The freeware grant gives nothing the GPL does not; this part says which of
// the two wins where the GPL gives more, and ends with the publisher.
const char *const gplNotice =
    "This program is free software: you can redistribute it and/or modify it under the terms of the GNU "
    "General Public License as published by the Free Software Foundation, either version 3 of the License, "
    "or (at your option) any later version. Its complete source code is freely available, and copies of it, "
    "changed or unchanged, may be passed on under the terms of that licence, which gives you more rights "
    "than the notice above; where the two differ, the GNU General Public License applies. You should have "
    "received a copy of the GNU General Public License along with this program; if not, see "
    "https://www.gnu.org/licenses/. Copyright (C) Pelimor, "
    "https://" PELIMOR_WEBSITE;

QString text()
{
    return QString::fromLatin1(grant) + QString::fromLatin1(disclaimer) + QString::fromLatin1(gplNotice);
}

} // namespace pelimor::licence
