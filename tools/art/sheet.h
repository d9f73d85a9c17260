// The contact sheet: every asset enlarged and labelled, plus previews of the pictures
// stretched to the places the game shows them in.
#pragma once

#include <QString>

namespace art {

int write_contact_sheet(const QString& asset_dir, const QString& out_png);

}  // namespace art
