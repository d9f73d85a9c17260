#include "desktop/fonts.h"

#include <fontconfig/fontconfig.h>

namespace desktop {

void use_built_in_fonts_only() {
    FcConfig* own = FcConfigCreate();
    if (!own) return;         // the desktop's configuration then: slower, but as good
    FcConfigSetCurrent(own);  // holds a reference of its own
    FcConfigDestroy(own);
}

}  // namespace desktop
