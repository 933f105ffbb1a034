#include "Avisos.h"

#include "app/Versao.h"

#include <QCloseEvent>
#include <QDesktopServices>
#include <QFrame>
#include <QGridLayout>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QStyle>
#include <QTimer>
#include <QUrl>
#include <QVBoxLayout>

namespace kelpa {

QString tituloCompletoProduto()
{
    return QStringLiteral("Documento de Informações Periódicas\ndas Operadoras de Planos de Saúde");
}

QPixmap logotipoKelpa(int altura)
{
    QPixmap logo(altura, altura);
    logo.fill(Qt::transparent);
    QPainter p(&logo);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(QColor(0, 102, 153));
    p.setPen(Qt::NoPen);
    p.drawRoundedRect(logo.rect().adjusted(1, 1, -1, -1), altura / 6.0, altura / 6.0);
    p.setBrush(Qt::white);
    const int t = altura / 5;
    p.drawRect(altura / 2 - t / 2, altura / 5, t, altura * 3 / 5);
    p.drawRect(altura / 5, altura / 2 - t / 2, altura * 3 / 5, t);
    return logo;
}

// ---------------------------------------------------------------------------

TfrmAvisoPreenchimento::TfrmAvisoPreenchimento(const QStringList &itens, QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("frmAvisoPreenchimento"));
    setWindowTitle(QStringLiteral("Erro no preenchimento"));
    auto *figura = new QLabel(this);
    figura->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxWarning).pixmap(40, 40));
    auto *rotulo = new QLabel(QStringLiteral("Campos de preenchimento obrigatório:"), this);
    QFont negrito = rotulo->font();
    negrito.setBold(true);
    rotulo->setFont(negrito);

    m_lista = new QListWidget(this);
    m_lista->setFrameShape(QFrame::NoFrame);
    m_lista->setFocusPolicy(Qt::NoFocus);
    m_lista->setSelectionMode(QAbstractItemView::NoSelection);
    if (itens.size() > 8) {
        m_lista->setFlow(QListView::TopToBottom);
        m_lista->setWrapping(true);
        m_lista->setResizeMode(QListView::Adjust);
    }
    for (const QString &item : itens) {
        auto *linha = new QListWidgetItem(item, m_lista);
        linha->setSizeHint(QSize(itens.size() > 8 ? 260 : 420, 22));
    }
    const int linhasVisiveis = itens.size() > 8 ? static_cast<int>((itens.size() + 1) / 2) : static_cast<int>(itens.size());
    m_lista->setFixedSize(itens.size() > 8 ? 540 : 430, 22 * linhasVisiveis + 6);

    auto *retornar = new QPushButton(QStringLiteral("&Retornar"), this);
    retornar->setDefault(true);
    connect(retornar, &QPushButton::clicked, this, &QDialog::accept);

    auto *grade = new QGridLayout(this);
    grade->addWidget(figura, 0, 0, 2, 1, Qt::AlignTop);
    grade->addWidget(rotulo, 0, 1);
    grade->addWidget(m_lista, 1, 1);
    grade->addWidget(retornar, 2, 1, Qt::AlignRight);
}

bool MostraAvisoPreenchimento(const QStringList &itens, QWidget *parent)
{
    if (itens.isEmpty())
        return false;
    TfrmAvisoPreenchimento aviso(itens, parent);
    aviso.exec();
    return true;
}

// ---------------------------------------------------------------------------

TfrmAvisoUsuario::TfrmAvisoUsuario(const QString &texto, QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("frmAvisoUsuario"));
    setWindowTitle(QStringLiteral("AVISO AO USUÁRIO"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);

    auto *painel = new QFrame(this);
    painel->setAutoFillBackground(true);
    QPalette p = painel->palette();
    p.setColor(QPalette::Window, QColor(0xC0, 0xC0, 0xC0));
    painel->setPalette(p);

    auto *titulo = new QLabel(QStringLiteral("ATENÇÃO"), painel);
    QFont grande = titulo->font();
    grande.setBold(true);
    grande.setPointSize(grande.pointSize() + 6);
    titulo->setFont(grande);
    titulo->setAlignment(Qt::AlignCenter);

    m_textoPadrao = texto.isEmpty();
    // The marked words ("Quadros 1 a 7", "Quadros 8 a 14" and "*") stand out in bold.
    const QString padrao = QStringLiteral(
        "Os campos assinalados com <b>*</b> são de preenchimento obrigatório e as alterações "
        "efetuadas neste quadro deverão ser comprovadas mediante o envio de documentos.<br><br>"
        "Os dados cadastrais (<b>Quadros 1 a 7</b>) devem ser enviados sempre que houver qualquer "
        "alteração, independentemente do envio trimestral dos dados contábeis (<b>Quadros 8 a 14</b> e 15).");
    m_texto = new QLabel(painel);
    m_texto->setObjectName(QStringLiteral("lblTexto"));
    m_texto->setWordWrap(true);
    m_texto->setMinimumWidth(440);
    if (m_textoPadrao) {
        m_texto->setTextFormat(Qt::RichText);
        m_texto->setText(padrao);
    } else {
        m_texto->setTextFormat(Qt::PlainText);
        m_texto->setText(texto);
    }

    m_referencia1 = new QLabel(QStringLiteral("(Resolução de Diretoria Colegiada - RDC n.º 5, de 18 de fevereiro de 2000)"), painel);
    m_referencia2 = new QLabel(QStringLiteral("(Resolução Normativa - RN n.º 29 de 1 de abril de 2003)"), painel);
    m_referencia1->hide();
    m_referencia2->hide();

    auto *retornar = new QPushButton(QStringLiteral("&Retornar"), this);
    retornar->setDefault(true);
    connect(retornar, &QPushButton::clicked, this, &QDialog::accept);

    auto *interno = new QVBoxLayout(painel);
    interno->addWidget(titulo);
    interno->addWidget(m_texto);
    interno->addWidget(m_referencia1);
    interno->addWidget(m_referencia2);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(painel);
    layout->addWidget(retornar, 0, Qt::AlignCenter);
}

void TfrmAvisoUsuario::keyPressEvent(QKeyEvent *evento)
{
    if (evento->key() == Qt::Key_F4 && (evento->modifiers() & Qt::AltModifier))
        return;
    QDialog::keyPressEvent(evento);
}

void TfrmAvisoUsuario::closeEvent(QCloseEvent *evento)
{
    // Only "Retornar" closes the notice.
    if (result() != QDialog::Accepted) {
        evento->ignore();
        return;
    }
    QDialog::closeEvent(evento);
}

void MostraAvisoUsuario(const QString &texto, QWidget *parent)
{
    TfrmAvisoUsuario aviso(texto, parent);
    aviso.exec();
}

// ---------------------------------------------------------------------------

TFrmSplach::TFrmSplach(QWidget *parent, int milissegundos)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("FrmSplach"));
    setWindowTitle(QStringLiteral("Apresentação"));
    setWindowFlags(Qt::SplashScreen | Qt::FramelessWindowHint);
    auto *painel = new QFrame(this);
    painel->setFrameShape(QFrame::Panel);
    painel->setFrameShadow(QFrame::Raised);
    painel->setAutoFillBackground(true);
    QPalette p = painel->palette();
    p.setColor(QPalette::Window, Qt::white);
    painel->setPalette(p);

    auto *logo = new QLabel(painel);
    logo->setPixmap(logotipoKelpa(72));
    logo->setAlignment(Qt::AlignCenter);
    auto *nome = new QLabel(QStringLiteral("KELPA"), painel);
    QFont grande = nome->font();
    grande.setBold(true);
    grande.setPointSize(28);
    nome->setFont(grande);
    nome->setAlignment(Qt::AlignCenter);
    auto *titulo = new QLabel(tituloCompletoProduto(), painel);
    titulo->setAlignment(Qt::AlignCenter);
    auto *versao = new QLabel(QStringLiteral("Versão: %1").arg(versaoPrograma()), painel);
    versao->setObjectName(QStringLiteral("lblVersao"));
    versao->setAlignment(Qt::AlignCenter);

    auto *interno = new QVBoxLayout(painel);
    interno->setContentsMargins(40, 24, 40, 24);
    interno->addWidget(logo);
    interno->addWidget(nome);
    interno->addWidget(titulo);
    interno->addSpacing(12);
    interno->addWidget(versao);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(painel);

    auto *relogio = new QTimer(this);
    relogio->setSingleShot(true);
    connect(relogio, &QTimer::timeout, this, &QDialog::accept);
    relogio->start(milissegundos);
}

// ---------------------------------------------------------------------------

TFrmSobre_Kelpa::TFrmSobre_Kelpa(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("FrmSobre_Kelpa"));
    setWindowTitle(QStringLiteral("Sobre o KELPA"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);

    auto *figura = new QLabel(this);
    figura->setPixmap(logotipoKelpa(64));
    figura->setAlignment(Qt::AlignCenter);
    auto *titulo = new QLabel(QStringLiteral("Agência Reguladora QOR\n\nSistema de Coleta de\nDocumento de Informações "
                                             "Periódicas\ndas Operadoras de\nPlanos de Saúde - KELPA"),
                              this);
    QFont negrito = titulo->font();
    negrito.setBold(true);
    titulo->setFont(negrito);
    titulo->setAlignment(Qt::AlignCenter);
    auto *finalidade = new QLabel(QStringLiteral("Sistema destinado à coleta de\ndados cadastrais e\n"
                                                 "econômico-financeiros das\noperadoras de planos privados\n"
                                                 "de assistência à saúde"),
                                  this);
    finalidade->setAlignment(Qt::AlignCenter);
    auto *versao = new QLabel(QStringLiteral("Versão: %1").arg(versaoPrograma()), this);
    versao->setObjectName(QStringLiteral("lblVersionInfo"));
    versao->setAlignment(Qt::AlignCenter);
    auto *link = new QLabel(QStringLiteral("<a href=\"%1\">%1</a>").arg(enderecoQor()), this);
    link->setObjectName(QStringLiteral("lblWebPagQor"));
    link->setAlignment(Qt::AlignCenter);
    link->setCursor(Qt::PointingHandCursor);
    link->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    connect(link, &QLabel::linkActivated, this, [](const QString &url) { QDesktopServices::openUrl(QUrl(url)); });
    auto *ok = new QPushButton(QStringLiteral("&Ok"), this);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(figura);
    layout->addWidget(titulo);
    layout->addSpacing(8);
    layout->addWidget(finalidade);
    layout->addSpacing(8);
    layout->addWidget(versao);
    layout->addWidget(link);
    layout->addWidget(ok, 0, Qt::AlignCenter);
}

} // namespace kelpa
