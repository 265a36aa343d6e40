#include "display/window_icon.h"

// The resource lives in a static library; naming its initialiser here makes
// the linker keep it. The macro declares the initialiser, so it must stand
// outside every namespace.
static void register_icon_resource()
{
    Q_INIT_RESOURCE(tavrel);
}

namespace tavrel {

QIcon window_icon()
{
    register_icon_resource();
    return QIcon(QStringLiteral(":/icons/org.tavrel.Tavrel.ico"));
}

} // namespace tavrel
