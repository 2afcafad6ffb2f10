#pragma once

#include <QDialog>
#include <QUrl>
#include <functional>

class QPushButton;

namespace tessaly {

// Opens a web page in the user's browser; false when the desktop could not.
using UrlOpener = std::function<bool(const QUrl&)>;

// "How to contact us": the product, its version and the maker's address.
class TfrmAbout final : public QDialog {
  Q_OBJECT
 public:
  explicit TfrmAbout(QWidget* owner, UrlOpener openUrl = {});

  // The "Quornel Web Page" button and a click on the web address.
  void openWebPage();

 private:
  UrlOpener openUrl_;
  QPushButton* btOK;
  QPushButton* btWebPage;
};

}  // namespace tessaly
