#include "core/archive/zip_error_text.h"

#include <zip.h>

#include "platform/host_path.h"

namespace tessaly {

QString zipErrorText(int code) {
  zip_error_t error;
  zip_error_init_with_code(&error, code);
  const QString text = QString::fromUtf8(zip_error_strerror(&error));
  zip_error_fini(&error);
  return text;
}

QString zipFailureText(const zip_error_t* error) {
  if (zip_error_system_type(error) == ZIP_ET_SYS && zip_error_code_system(error) != 0)
    return platform::systemErrorText(zip_error_code_system(error));
  return zipErrorText(zip_error_code_zip(error));
}

bool zipFailedForSpace(const zip_error_t* error) {
  return zip_error_system_type(error) == ZIP_ET_SYS && platform::isOutOfSpace(zip_error_code_system(error));
}

}  // namespace tessaly
