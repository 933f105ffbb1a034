#include "DocumentoRelatorio.h"

#include "MedidorTexto.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace kelpa::relatorios {

namespace {

constexpr double tolerancia = 0.01;

// Places the bands of one report on pages appended to `paginas`.
class Paginador
{
public:
    Paginador(const Relatorio &relatorio, qsizetype indice, QList<PaginaRelatorio> &paginas, const MedidorTexto &medidor)
        : m_relatorio(relatorio)
        , m_indice(indice)
        , m_paginas(paginas)
        , m_cabecalho(relatorio.cabecalhoPagina)
        , m_colunas(relatorio.cabecalhoColunas)
        , m_rodape(relatorio.rodapePagina)
    {
        medidor.ajustar(m_cabecalho);
        medidor.ajustar(m_colunas);
        medidor.ajustar(m_rodape);
        m_topoCorpo = m_cabecalho.altura() + m_colunas.altura();
        m_limite = relatorio.pagina.alturaUtil() - m_rodape.altura();
    }

    void executar(const MedidorTexto &medidor)
    {
        QList<Banda> corpo = m_relatorio.corpo;
        for (Banda &b : corpo)
            medidor.ajustar(b);

        const qsizetype primeira = m_paginas.size();
        novaPagina();
        bool escura = false;
        QColor corDoDetalhe;
        std::optional<Banda> grupoAberto;

        for (qsizetype i = 0; i < corpo.size(); ++i) {
            Banda banda = corpo.at(i);
            if (banda.temQuebraAntes() && m_temConteudo)
                novaPagina();

            double necessario = banda.altura();
            // A group header never ends a page: it goes with the row it introduces.
            if (banda.tipo() == TipoBanda::CabecalhoGrupo && i + 1 < corpo.size())
                necessario += corpo.at(i + 1).altura();
            if (m_y + necessario > m_limite + tolerancia && m_temConteudo) {
                novaPagina();
                const bool continuaGrupo = banda.tipo() == TipoBanda::Detalhe || banda.tipo() == TipoBanda::SubDetalhe
                                           || banda.tipo() == TipoBanda::RodapeGrupo;
                if (grupoAberto && continuaGrupo)
                    colocar(*grupoAberto);
            }

            switch (banda.tipo()) {
            case TipoBanda::CabecalhoGrupo:
                grupoAberto.reset();
                if (banda.repeteNaQuebra())
                    grupoAberto = banda;
                break;
            case TipoBanda::RodapeGrupo:
            case TipoBanda::Resumo:
                grupoAberto.reset();
                break;
            case TipoBanda::Detalhe:
                if (m_relatorio.sombreado && !banda.corFundo().isValid()) {
                    banda.fundo(escura ? corSombreado() : QColor(Qt::white));
                    escura = !escura;
                }
                corDoDetalhe = banda.corFundo();
                break;
            case TipoBanda::SubDetalhe:
                if (!banda.corFundo().isValid() && corDoDetalhe.isValid())
                    banda.fundo(corDoDetalhe);
                break;
            case TipoBanda::Titulo:
                break;
            }
            colocar(banda);
        }

        // The footer goes at the foot of every page of the report.
        for (qsizetype p = primeira; p < m_paginas.size(); ++p)
            if (!m_rodape.vazia())
                m_paginas[p].bandas.append({m_rodape, m_limite});
    }

private:
    void novaPagina()
    {
        PaginaRelatorio pagina;
        pagina.relatorio = m_indice;
        pagina.formato = m_relatorio.pagina;
        if (!m_cabecalho.vazia())
            pagina.bandas.append({m_cabecalho, 0});
        if (!m_colunas.vazia())
            pagina.bandas.append({m_colunas, m_cabecalho.altura()});
        m_paginas.append(pagina);
        m_y = m_topoCorpo;
        m_temConteudo = false;
    }

    void colocar(const Banda &banda)
    {
        m_paginas.last().bandas.append({banda, m_y});
        m_y += banda.altura();
        m_temConteudo = true;
    }

    const Relatorio &m_relatorio;
    qsizetype m_indice;
    QList<PaginaRelatorio> &m_paginas;
    Banda m_cabecalho;
    Banda m_colunas;
    Banda m_rodape;
    double m_topoCorpo = 0;
    double m_limite = 0;
    double m_y = 0;
    bool m_temConteudo = false;
};

} // namespace

DocumentoRelatorio DocumentoRelatorio::paginar(const QList<Relatorio> &relatorios, const QString &titulo)
{
    DocumentoRelatorio documento;
    documento.m_titulo = titulo.isEmpty() && !relatorios.isEmpty() ? relatorios.first().titulo : titulo;
    const MedidorTexto medidor;
    for (qsizetype i = 0; i < relatorios.size(); ++i) {
        Paginador paginador(relatorios.at(i), i, documento.m_paginas, medidor);
        paginador.executar(medidor);
    }
    return documento;
}

QList<qsizetype> DocumentoRelatorio::iniciosDosRelatorios() const
{
    QList<qsizetype> inicios;
    for (qsizetype i = 0; i < m_paginas.size(); ++i)
        if (i == 0 || m_paginas.at(i).relatorio != m_paginas.at(i - 1).relatorio)
            inicios << i;
    return inicios;
}

QStringList DocumentoRelatorio::textosDaPagina(qsizetype indice) const
{
    struct Posicionado {
        double y;
        double x;
        QString texto;
    };
    QList<Posicionado> itens;
    for (const BandaPosicionada &b : m_paginas.at(indice).bandas)
        for (const ItemTexto &t : b.banda.textos())
            if (!t.texto.isEmpty())
                itens.append({b.y + t.caixa.top(), t.caixa.left(),
                              t.numeracao ? numerar(t.texto, indice + 1, totalPaginas()) : t.texto});
    std::stable_sort(itens.begin(), itens.end(), [](const Posicionado &a, const Posicionado &b) {
        return a.y < b.y - tolerancia || (std::abs(a.y - b.y) <= tolerancia && a.x < b.x);
    });
    QStringList textos;
    for (const Posicionado &p : itens)
        textos << p.texto;
    return textos;
}

QString DocumentoRelatorio::numerar(const QString &modelo, qsizetype pagina, qsizetype total)
{
    QString texto = modelo;
    texto.replace(QStringLiteral("{pagina3}"), QStringLiteral("%1").arg(pagina, 3, 10, QLatin1Char('0')));
    texto.replace(QStringLiteral("{pagina}"), QString::number(pagina));
    texto.replace(QStringLiteral("{paginas}"), QString::number(total));
    return texto;
}

} // namespace kelpa::relatorios
