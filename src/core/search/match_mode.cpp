#include "core/search/match_mode.h"

namespace tessaly {
namespace {

using F = LineField;

constexpr std::array<F, 7> kNameFirst{F::Filename, F::Size, F::Modified, F::Time, F::Access, F::Folder, F::Type};
constexpr std::array<F, 7> kSizeFirst{F::Size, F::Filename, F::Modified, F::Time, F::Access, F::Folder, F::Type};
constexpr std::array<F, 7> kTypeFirst{F::Type, F::Modified, F::Time, F::Filename, F::Size, F::Access, F::Folder};

constexpr std::array<F, 1> kNameKey{F::Filename};
constexpr std::array<F, 2> kNameSizeKey{F::Filename, F::Size};
constexpr std::array<F, 4> kNameSizeDateKey{F::Filename, F::Size, F::Modified, F::Time};
constexpr std::array<F, 1> kSizeKey{F::Size};
constexpr std::array<F, 3> kSizeDateKey{F::Size, F::Modified, F::Time};
constexpr std::array<F, 2> kSizeTypeKey{F::Size, F::Type};
constexpr std::array<F, 3> kTypeDateKey{F::Type, F::Modified, F::Time};
constexpr std::array<F, 2> kTypeTimeColour{F::Type, F::Time};

}  // namespace

QStringList matchModeItems() {
  return {QStringLiteral("Filename only"),
          QStringLiteral("Filename and size"),
          QStringLiteral("Filename, size and modify date/time"),
          QStringLiteral("Size only"),
          QStringLiteral("Size and modify date/time"),
          QStringLiteral("Size and type"),
          QStringLiteral("Type and modify date/time"),
          QStringLiteral("Same contents")};
}

std::span<const LineField> lineFields(MatchMode mode) {
  switch (mode) {
    case MatchMode::FilenameOnly:
    case MatchMode::FilenameAndSize:
    case MatchMode::FilenameSizeAndDate: return kNameFirst;
    case MatchMode::SizeOnly:
    case MatchMode::SizeAndDate:
    case MatchMode::SizeAndType:
    case MatchMode::SameContents: return kSizeFirst;
    case MatchMode::TypeAndDate: return kTypeFirst;
  }
  return kNameFirst;
}

std::span<const LineField> keyFields(MatchMode mode) {
  switch (mode) {
    case MatchMode::FilenameOnly: return kNameKey;
    case MatchMode::FilenameAndSize: return kNameSizeKey;
    case MatchMode::FilenameSizeAndDate: return kNameSizeDateKey;
    case MatchMode::SizeOnly: return kSizeKey;
    case MatchMode::SizeAndDate: return kSizeDateKey;
    case MatchMode::SizeAndType: return kSizeTypeKey;
    case MatchMode::TypeAndDate: return kTypeDateKey;
    // The bytes decide; the size orders the files so that groups come smallest first.
    case MatchMode::SameContents: return kSizeKey;
  }
  return kNameKey;
}

std::span<const LineField> colourFields(MatchMode mode) {
  switch (mode) {
    case MatchMode::FilenameOnly:
    case MatchMode::FilenameAndSize:
    case MatchMode::FilenameSizeAndDate: return kNameKey;
    case MatchMode::SizeOnly:
    case MatchMode::SizeAndDate:
    case MatchMode::SizeAndType:
    case MatchMode::SameContents: return kSizeKey;
    case MatchMode::TypeAndDate: return kTypeTimeColour;
  }
  return kNameKey;
}

}  // namespace tessaly
