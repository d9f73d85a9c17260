// The contact sheet: the pictures in the places the game shows them in, at ratio 1 and
// at ratio 2 side by side, then every stored asset enlarged and labelled.
#pragma once

#include <QString>

namespace art {

int write_contact_sheet(const QString& asset_dir, const QString& out_png);

}  // namespace art
