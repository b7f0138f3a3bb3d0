// SPDX-FileCopyrightText: 2026 Wendrix
//
// SPDX-License-Identifier: MIT

#ifndef WINDOWDRIVER_H
#define WINDOWDRIVER_H

// Drives a MainWindow the way a user does: its buttons, its file dialogs, drags and drops.

#include "mainwindow.h"
#include "testsupport.h"

#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QStatusBar>
#include <QTextEdit>
#include <QUrl>

#include <memory>

struct WindowDriver
{
    // What a file dialog showed before it was answered.
    struct Dialog
    {
        QString caption;
        QStringList filters;
        QString folder;
        QString name;      // the name field
        bool stayedOpen{}; // still open after the answer (a folder was entered); then cancelled
        QString proposed() const { return folder + QLatin1Char('/') + name; }
    };

    std::unique_ptr<MainWindow> window{new MainWindow};

    template <typename T> T *find(const char *name) const
    {
        return window->findChild<T *>(QLatin1String(name));
    }
    QPushButton *loadButton() const { return find<QPushButton>("load_btn"); }
    QPushButton *saveButton() const { return find<QPushButton>("clear_save_btn"); }
    bool canSave() const { return saveButton()->isEnabled(); }
    QString status() const { return find<QStatusBar>("sb")->currentMessage(); }
    QString report() const { return find<QTextEdit>("msgbox")->toPlainText(); }
    QString reportHtml() const { return find<QTextEdit>("msgbox")->toHtml(); }
    QString about() const { return find<QLabel>("about_lbl")->text(); }

    // Clicks "Load..." and answers the dialog with `path`; an empty path cancels it.
    Dialog load(const QString &path) const { return answer(loadButton(), path); }
    // Clicks "Clear and save..." and answers the dialog with `path`; an empty path cancels it.
    Dialog save(const QString &path) const { return answer(saveButton(), path); }
    // Clicks "Clear and save..." and accepts the name the dialog proposes.
    Dialog saveAsProposed() const { return answer(saveButton(), QString(), true); }

    // Sends a drag carrying `urls` (plain text when empty); returns whether it was accepted.
    bool enter(const QList<QUrl> &urls) const
    {
        const auto mime = mimeData(urls);
        QDragEnterEvent event(QPoint(200, 100), Qt::CopyAction, mime.get(), Qt::LeftButton,
                              Qt::NoModifier);
        event.ignore();
        QCoreApplication::sendEvent(window.get(), &event);
        return event.isAccepted();
    }
    bool enter(const QString &path) const { return enter({QUrl::fromLocalFile(path)}); }

    // Drops `urls`. Qt hands a drop to the widget that accepted the drag, so a drop must follow an
    // accepted drag; drop() makes one with `urls` unless the caller already did (entered = true).
    void drop(const QList<QUrl> &urls, bool entered = false) const
    {
        if (!entered)
            QVERIFY(enter(urls));
        const auto mime = mimeData(urls);
        QDropEvent event(QPointF(200, 100), Qt::CopyAction, mime.get(), Qt::LeftButton,
                         Qt::NoModifier);
        QCoreApplication::sendEvent(window.get(), &event);
    }
    void drop(const QString &path, bool entered = false) const
    {
        drop({QUrl::fromLocalFile(path)}, entered);
    }

private:
    static std::unique_ptr<QMimeData> mimeData(const QList<QUrl> &urls)
    {
        std::unique_ptr<QMimeData> mime(new QMimeData);
        if (urls.isEmpty())
            mime->setText(QStringLiteral("just some text"));
        else
            mime->setUrls(urls);
        return mime;
    }

    static Dialog answer(QPushButton *button, const QString &answer, bool asProposed = false)
    {
        Dialog seen;
        whenModal<QFileDialog>([&seen, answer, asProposed](QFileDialog *dialog) {
            const auto *name = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
            seen.caption = dialog->windowTitle();
            seen.filters = dialog->nameFilters();
            seen.folder = dialog->directory().absolutePath();
            seen.name = name ? name->text() : QString();
            const QString path = asProposed ? seen.proposed() : answer;
            if (path.isEmpty()) {
                dialog->reject();
                return;
            }
            typeIntoDialog(dialog, path);
            QCoreApplication::processEvents();
            seen.stayedOpen = dialog->isVisible();
            if (seen.stayedOpen)
                dialog->reject();
        });
        QTest::mouseClick(button, Qt::LeftButton);
        return seen;
    }
};

#endif // WINDOWDRIVER_H
