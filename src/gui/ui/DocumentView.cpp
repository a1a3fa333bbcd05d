#include "DocumentView.h"

#include "learning/StudyTopics.h"

#include <QPdfDocument>
#include <QPdfPageNavigator>
#include <QPdfView>
#include <QUrl>
#include <QVBoxLayout>

DocumentView::DocumentView(QWidget *panel)
    : QObject(panel)
    , m_panel(panel)
{
    if (!panel->layout()) {
        auto *layout = new QVBoxLayout(panel);
        layout->setContentsMargins(0, 0, 0, 0);
    }
}

DocumentView::~DocumentView()
{
    drop();
}

void DocumentView::renew()
{
    drop();
    m_view = new QPdfView(m_panel);
    m_view->setObjectName(QStringLiteral("qt_documentview"));
    m_view->setPageMode(QPdfView::PageMode::MultiPage);
    m_view->setZoomMode(QPdfView::ZoomMode::FitToWidth);
    m_document = new QPdfDocument(this);
    m_view->setDocument(m_document);
    m_panel->layout()->addWidget(m_view);
    m_view->show();
    m_lastUrl.clear();
}

QString DocumentView::navigate(const QString &path, int page)
{
    if (!m_view)
        renew();
    m_lastUrl = DocumentUrl(path, page);
    QPdfDocument *document = m_document;
    if (document->load(path) != QPdfDocument::Error::None || document->pageCount() < 1)
        return m_lastUrl; // nothing to show, as a browser shows an empty page
    const int index = qBound(0, page - 1, document->pageCount() - 1);
    m_view->pageNavigator()->jump(index, QPointF(), 0);
    return m_lastUrl;
}

void DocumentView::drop()
{
    // the view goes first: a document that closes while its view is being destroyed notifies
    // the half-destroyed view
    delete m_view;
    m_view = nullptr;
    delete m_document;
    m_document = nullptr;
    m_lastUrl.clear();
}

int DocumentView::viewCount() const
{
    return static_cast<int>(m_panel->findChildren<QPdfView *>(QString(), Qt::FindDirectChildrenOnly).size());
}

int DocumentView::currentPage() const
{
    if (!m_view || m_document->pageCount() < 1)
        return 0;
    return m_view->pageNavigator()->currentPage() + 1;
}
