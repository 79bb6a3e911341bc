#pragma once

#include <QtGlobal>

// The player library is shared by the host and the plug-in.
#if defined(ZRTLIBRARY_BUILD)
#define ZRT_EXPORT Q_DECL_EXPORT
#else
#define ZRT_EXPORT Q_DECL_IMPORT
#endif
