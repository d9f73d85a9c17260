// The contact sheet: every asset enlarged and labelled, plus previews of the pictures
// stretched to the places the game shows them in.
#pragma once

#include <QString>

namespace art {

int writeContactSheet(const QString& assetDir, const QString& outPng);

}  // namespace art
