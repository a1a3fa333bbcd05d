#pragma once

#include <QObject>
#include <QString>

class QPdfDocument;
class QPdfView;
class QWidget;

/// The document view of a panel: at most one PDF view, filling the panel, shown at a page.
class DocumentView final : public QObject
{
    Q_OBJECT
public:
    explicit DocumentView(QWidget *panel);
    ~DocumentView() override;

    /// Destroys the view (if any) and puts a new, empty one into the panel.
    void renew();
    /// Shows \a path at \a page (page 1 is the first; 0 and pages past the end show the first and
    /// last page). A missing or unreadable document leaves the view empty. Returns the URL told.
    QString navigate(const QString &path, int page);
    /// Destroys the view.
    void drop();

    QPdfView *view() const { return m_view; }
    /// The URL the view was told last (empty when there is no view, or it was renewed but not told anything).
    const QString &lastUrl() const { return m_lastUrl; }
    /// The number of document views in the panel.
    int viewCount() const;
    /// The 1-based page the view shows, 0 when it shows no document.
    int currentPage() const;

private:
    QWidget *m_panel;
    QPdfView *m_view = nullptr;
    QPdfDocument *m_document = nullptr; // not the view's child: it must outlive the view
    QString m_lastUrl;
};
