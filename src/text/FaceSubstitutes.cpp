#include "text/FaceSubstitutes.h"

#include <QFont>
#include <QStringList>

void InstallFaceSubstitutes()
{
    // The Taiwanese variant first: it draws the traditional characters of Big5 as they are written there.
    const QStringList uming = {QStringLiteral("AR PL UMing TW"), QStringLiteral("AR PL UMing HK"),
                               QStringLiteral("AR PL UMing CN"), QStringLiteral("AR PL UMing TW MBE")};
    // A substitute is tried only when the face itself is not installed; inserting twice changes nothing.
    QFont::insertSubstitutions(EnglishFace, uming);
    QFont::insertSubstitutions(ChineseFace, uming);
}
