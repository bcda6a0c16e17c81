#include "shell/my_looks_view.h"

#include <QLabel>
#include <QPushButton>
#include <QStringList>
#include <algorithm>
#include <filesystem>
#include <utility>

#include "ground/parallel.h"
#include "session/photo_session.h"
#include "session/words.h"
#include "shell/accessible_names.h"
#include "shell/action_table.h"
#include "shell/controls.h"
#include "shell/dialogs.h"
#include "shell/looks_strip.h"
#include "shell/main_columns.h"
#include "shell/photo_pane.h"
#include "shell/remembered.h"
#include "widgets/mirror.h"

namespace corvessa {

namespace {

QString Text(const std::string& text) { return QString::fromStdString(text); }

}  // namespace

std::vector<std::string> CubeFilesAmong(const QList<QUrl>& urls) {
    std::vector<std::string> tables;
    for (const QUrl& url : urls)
        if (url.isLocalFile() && IsCubeFileName(url.toLocalFile().toStdString()))
            tables.push_back(url.toLocalFile().toStdString());
    return tables;
}

TMyLooksView::TMyLooksView(QWidget& column, MyLooks& model, TLooksStrip& strip, const PhotoSession& session,
                           ShellDialogs& dialogs, TPhotoPane& pane, Remembered* remembered,
                           std::function<int()> rowThreads)
    : model_(model),
      strip_(strip),
      session_(session),
      dialogs_(dialogs),
      pane_(pane),
      remembered_(remembered),
      rowThreads_(std::move(rowThreads)) {
    btnMyLooks_ = MakeButton(&column, "BtnMyLooks", tr("My Looks"), QRect(24, kMyLooksButtonTop, 75, 25));
    const QString where = Text(UserLooksFolder());
    btnMyLooks_->setToolTip(tr("Your own .cube colour tables from %1").arg(where));
    btnMyLooks_->setStatusTip(btnMyLooks_->toolTip());
    connect(btnMyLooks_, &QPushButton::clicked, this, [this] { Show(); });
    btnAddLook_ = MakeButton(&column, "BtnAddLook", tr("Add Look\u2026"), QRect(18, kMyLooksButtonTop + 28, 87, 25));
    const QString addKeys = KeysText(Action::kAddLook);
    btnAddLook_->setToolTip(
        tr("Copy .cube colour tables into %1 (%2, or drop them on the window)").arg(where, addKeys));
    connect(btnAddLook_, &QPushButton::clicked, this, [this] { AddLookClick(); });
    btnPreviousLooks_ =
        MakeButton(&column, "BtnPreviousLooks", QStringLiteral("<"), QRect(24, kMyLooksButtonTop + 56, 36, 25));
    btnPreviousLooks_->setToolTip(tr("Previous looks (%1)").arg(KeysText(Action::kPreviousLooks)));
    btnPreviousLooks_->setAccessibleName(AccessibleText::ActionName(Action::kPreviousLooks));
    connect(btnPreviousLooks_, &QPushButton::clicked, this, [this] { ShowPage(model_.Page() - 1); });
    btnNextLooks_ = MakeButton(&column, "BtnNextLooks", QStringLiteral(">"), QRect(63, kMyLooksButtonTop + 56, 36, 25));
    btnNextLooks_->setToolTip(tr("Next looks (%1)").arg(KeysText(Action::kNextLooks)));
    btnNextLooks_->setAccessibleName(AccessibleText::ActionName(Action::kNextLooks));
    connect(btnNextLooks_, &QPushButton::clicked, this, [this] { ShowPage(model_.Page() + 1); });
    labelLooksPage_ = new QLabel(&column);
    labelLooksPage_->setObjectName(QStringLiteral("LabelLooksPage"));
    PlaceAt(*labelLooksPage_, QRect(4, kMyLooksButtonTop + 84, 118, 18));
    labelLooksPage_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    QPalette light = labelLooksPage_->palette();
    light.setColor(QPalette::WindowText, Qt::white);
    labelLooksPage_->setPalette(light);

    strip_.CreateHint(tr("No looks of your own yet. Put .cube colour tables into %1, press "
                         "Add Look... (%2), or drop .cube files on this window.")
                          .arg(where, addKeys));
    pane_.Watch([this] { return Listing(); }, true);
    ShowControls();
}

void TMyLooksView::SetEnabled(bool enabled) { btnMyLooks_->setEnabled(enabled); }

void TMyLooksView::ShowControls() {
    const bool paging = model_.Paging();
    btnPreviousLooks_->setVisible(paging);
    btnNextLooks_->setVisible(paging);
    btnPreviousLooks_->setEnabled(model_.HasPrevious());
    btnNextLooks_->setEnabled(model_.HasNext());
    labelLooksPage_->setVisible(model_.Shown() && !Listing());
    labelLooksPage_->setText(PageText());
}

QString TMyLooksView::PageText() const {
    const size_t count = model_.Looks().size();
    if (count == 0) return tr("No looks");
    const size_t first = model_.IndexOf(1);
    const size_t last = std::min(first + size_t(MyLooks::kPageSize), count);
    return tr("Looks %1-%2 of %n", nullptr, int(count)).arg(first + 1).arg(last);
}

void TMyLooksView::Show() { List({}); }

void TMyLooksView::AddLookClick() {
    Guarded(dialogs_, [&] {
        const std::vector<std::string> files = dialogs_.ChooseCubeFiles(
            remembered_ ? remembered_->Folder(Setting::kLooksFolder).toStdString() : std::string());
        if (files.empty()) return;
        if (remembered_)
            remembered_->SetFolder(Setting::kLooksFolder,
                                   Text(std::filesystem::path(files.front()).parent_path().string()));
        Add(files);
    });
}

void TMyLooksView::Add(const std::vector<std::string>& files) { List(files); }

void TMyLooksView::List(std::vector<std::string> added) {
    // Reading tables of a few MB each takes a moment: off the window's
    // thread, the strip left as it is until the listing is there.
    listing_.Start(
        [added = std::move(added), page = model_.Shown() ? model_.Page() : 0, threads = rowThreads_()] {
            LimitRowThreads(threads);
            return MyLooks::ReadListing(added, page);
        },
        [this](MyLooks::Listing listing) {
            pane_.UpdateBusy();
            const std::vector<std::string> refusals = std::move(listing.refusals);
            const int page = model_.TakeListing(std::move(listing));
            emit Listed();
            ShowPage(page);
            if (!refusals.empty()) {
                QStringList lines;
                for (const std::string& refusal : refusals) lines << MessageWords(refusal);
                dialogs_.ShowError(lines.join(QLatin1Char('\n')));
            }
        },
        [this](const std::string& error) {
            pane_.UpdateBusy();
            dialogs_.ShowError(error);
        });
    pane_.StartBusy(tr("Reading your looks"));
}

void TMyLooksView::ShowPage(int page) {
    Guarded(dialogs_, [&] {
        model_.ShowPage(page);
        // A category's strip still drawing is superseded.
        strip_.Drop();
        strip_.Invisible();
        ShowControls();
        if (model_.Looks().empty()) {
            strip_.ShowHint(true);
            emit StripFinished();
            return;
        }
        if (!session_.HasPhoto()) return;
        strip_.DrawMyLooks(session_.WorkSnapshot(), model_.PageLooks(),
                           [this](const std::vector<UserLook>& shown,
                                  const std::vector<std::shared_ptr<const PreparedLut>>& tables) {
                               model_.KeepPageTables(shown, tables);
                           });
    });
}

void TMyLooksView::Leave() {
    listing_.Drop();
    if (model_.Shown()) {
        // The labels show the category's numbers again.
        model_.Leave();
        strip_.ShowHint(false);
        strip_.PlaceAll();
    }
    ShowControls();
}

}  // namespace corvessa
