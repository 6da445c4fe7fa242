#pragma once
// The about box's German design texts that are ours to write.
#include <QString>

namespace AboutTexts {

QString Disclaimer();
QString Sources();
QString ThanksTo();

} // namespace AboutTexts
