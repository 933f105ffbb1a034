#include "TqrpModRelatorioQOR.h"

#include "plataforma/FormatoBR.h"

#include <algorithm>

namespace kelpa::relatorios {

namespace {

constexpr double alturaLogo = 13.0;
constexpr double larguraLogo = 24.0;
constexpr double larguraBlocoDireito = 46.0;
constexpr double linhaBlocoDireito = 3.4;

} // namespace

TqrpModRelatorioQOR::TqrpModRelatorioQOR()
    : m_emissao(QDateTime::currentDateTime())
{
}

TqrpModRelatorioQOR::~TqrpModRelatorioQOR() = default;

void TqrpModRelatorioQOR::carregar(const QSqlDatabase &db)
{
    m_carregado = false;
    carregarCabecalho(db);
    carregarDados(db);
    m_carregado = true;
}

void TqrpModRelatorioQOR::carregarCabecalho(const QSqlDatabase &)
{
}

Relatorio TqrpModRelatorioQOR::montar() const
{
    Relatorio r;
    r.titulo = titulo();
    r.pagina = formatoPagina();
    r.sombreado = sombreado();
    const double largura = r.pagina.larguraUtil();
    r.cabecalhoPagina = cabecalhoPagina(largura);
    r.cabecalhoColunas = cabecalhoColunas(largura);
    r.corpo = corpo(largura);
    r.rodapePagina = rodapePagina(largura);
    return r;
}

QStringList TqrpModRelatorioQOR::nomesCentrais() const
{
    return {QStringLiteral("QOR"), QStringLiteral("Nome do Sistema"), QStringLiteral("Nome do Departamento")};
}

QStringList TqrpModRelatorioQOR::blocoDireito() const
{
    return {QStringLiteral("Emissão: ") + FormatoBR::data(m_emissao.date()),
            QStringLiteral("Hora: ") + m_emissao.time().toString(QStringLiteral("HH:mm:ss")),
            QStringLiteral("Página: {pagina}")};
}

double TqrpModRelatorioQOR::complementoCabecalho(Banda &, double, double) const
{
    return 0;
}

Banda TqrpModRelatorioQOR::cabecalhoPagina(double largura) const
{
    Banda b(TipoBanda::Titulo);
    const QColor cor = corInstitucional();

    // qriLogoQOR: drawn, not a picture, so that it prints sharp at any resolution.
    b.retangulo(QRectF(0, 0, larguraLogo, alturaLogo), cor);
    b.rotulo(QRectF(0, 1.2, larguraLogo, 6.5), QStringLiteral("QOR"), Qt::AlignHCenter | Qt::AlignTop,
             {15, true, false, QColor(Qt::white)});
    b.rotulo(QRectF(0, 8.2, larguraLogo, 3.5), QStringLiteral("Saúde Suplementar"), Qt::AlignHCenter | Qt::AlignTop,
             {5.5, false, false, QColor(Qt::white)});

    const QStringList nomes = nomesCentrais();
    double y = 0.5;
    for (qsizetype i = 0; i < nomes.size(); ++i) {
        const EstiloTexto estilo = i == 0 ? EstiloTexto{15, true, false, cor} : EstiloTexto{8.5, false, false, cor};
        const double altura = i == 0 ? 6.5 : 4.0;
        b.rotulo(QRectF(0, y, largura, altura), nomes.at(i), Qt::AlignHCenter | Qt::AlignTop, estilo);
        y += altura;
    }

    const QStringList direita = blocoDireito();
    for (qsizetype i = 0; i < direita.size(); ++i)
        b.numeracao(QRectF(largura - larguraBlocoDireito, i * linhaBlocoDireito, larguraBlocoDireito, linhaBlocoDireito),
                    direita.at(i), Qt::AlignRight | Qt::AlignTop, {7.5, false, false, QColor(0, 0, 0)});

    // QRShape1: the rule under the names, then the report's title under it.
    const double regua = std::max({alturaLogo, y, direita.size() * linhaBlocoDireito}) + 1.5;
    b.linha(QLineF(0, regua, largura, regua), 0.6, cor);
    double abaixo = regua + 1.5;
    b.texto(QRectF(0, abaixo, largura, 5.5), titulo(), Qt::AlignHCenter | Qt::AlignTop, EstiloTexto::forte(11.5));
    abaixo += 6.5;
    abaixo += complementoCabecalho(b, abaixo, largura);
    b.setAltura(abaixo + 2.0);
    return b;
}

Banda TqrpModRelatorioQOR::cabecalhoColunas(double) const
{
    return Banda(TipoBanda::Titulo);
}

Banda TqrpModRelatorioQOR::rodapePagina(double largura) const
{
    Banda b(TipoBanda::Titulo);
    const EstiloTexto estilo{7, false, true, QColor(70, 70, 70)};
    b.linha(QLineF(0, 1.5, largura, 1.5), 0.2, QColor(120, 120, 120));
    b.rotulo(QRectF(0, 2.3, largura * 0.7, 3.4), titulo(), Qt::AlignLeft | Qt::AlignTop, estilo);
    b.numeracao(QRectF(largura * 0.7, 2.3, largura * 0.3, 3.4), QStringLiteral("Página {pagina} de {paginas}"),
                Qt::AlignRight | Qt::AlignTop, {7, false, false, QColor(70, 70, 70)});
    return b;
}

} // namespace kelpa::relatorios
