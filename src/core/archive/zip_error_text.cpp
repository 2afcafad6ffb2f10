#include "core/archive/zip_error_text.h"

#include <zip.h>

namespace tessaly {

QString zipErrorText(int code) {
  zip_error_t error;
  zip_error_init_with_code(&error, code);
  const QString text = QString::fromUtf8(zip_error_strerror(&error));
  zip_error_fini(&error);
  return text;
}

}  // namespace tessaly
