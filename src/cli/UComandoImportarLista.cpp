#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTextStream>

#include "app/UImportacaoLista.h"
#include "app/UProjetoArquivo.h"
#include "cli/UComandos.h"
#include "cli/USaidaCli.h"
#include "data/UDtmDestino.h"
#include "panel/UArquivoDisco.h"
#include "panel/UErro.h"

using namespace Qt::StringLiterals;

// Imports a list of destinations (CSV) into a project, or into a new project
// with the signs given.
namespace {
const QStringList opcoesDeSinal{u"--front"_s, u"--side"_s, u"--rear"_s, u"--aux"_s};

int executar(QStringList argumentos)
{
    const bool substituir = argumentos.removeAll(u"--replace"_s) > 0;
    QList<TSinalEquipado> dados;
    for (int p = 1; p <= 4; ++p) {
        const qsizetype i = argumentos.indexOf(opcoesDeSinal.at(p - 1));
        if (i < 0)
            continue;
        static const QRegularExpression tamanho(u"^(\\d{1,2})x(\\d{1,3})$"_s);
        const auto casamento = tamanho.match(argumentos.value(i + 1));
        if (!casamento.hasMatch())
            throw TErroDeUso("a sign size is ROWSxCOLUMNS, for example --front 13x96");
        dados.append({p, casamento.captured(1).toInt(), casamento.captured(2).toInt()});
        argumentos.remove(i, 2);
    }
    if (argumentos.size() != 2 || argumentos.first().startsWith(u'-') || argumentos.last().startsWith(u'-'))
        throw TErroDeUso("import-csv takes a project file and the list to import");
    const QString &projeto = argumentos.first();
    const QString &lista = argumentos.last();
    if (TArquivoDisco::MesmoArquivo(projeto, lista))
        throw TErro(u"ATENÇÃO:\r\nO projeto e a lista são o mesmo arquivo: %1"_s.arg(QDir::toNativeSeparators(lista)));

    TArquivoDisco::ExigirLeitura(lista);
    QFile arquivoLista(lista);
    if (!arquivoLista.open(QIODevice::ReadOnly))
        throw TErro(u"ATENÇÃO:\r\nNão foi possível ler o arquivo \"%1\"."_s.arg(QDir::toNativeSeparators(lista)));
    const TListaDestinos destinos = LerLista(arquivoLista.readAll());

    TDtm_Destino tabelas;
    QList<TSinalEquipado> sinais;
    int tipoOnibus = 1;
    if (QFileInfo::exists(projeto)) {
        AbrirProjeto(tabelas, projeto);
        sinais = SinaisDoProjeto(tabelas);
        if (tabelas.TemLinhas())
            tipoOnibus = tabelas.Cds_DestinosExtras.ComoInteiro(u"TIPOONIBUS"_s);
    } else {
        if (dados.isEmpty())
            throw TErroDeUso("a new project needs its signs: --front, --side, --rear and/or --aux ROWSxCOLUMNS");
        tabelas.AbrirTabelas({});
        sinais = dados;
    }

    TImportacaoLista importacao(tabelas, sinais, tipoOnibus);
    if (!importacao.Preparar(destinos, substituir))
        throw TErro(importacao.TextoDasRecusas());
    importacao.Importar();
    tabelas.SalvarArquivo(projeto);

    int novos = 0;
    int substituidos = 0;
    int extras = 0;
    for (const auto &plano : importacao.Planos()) {
        (plano.Substitui ? substituidos : novos) += 1;
        extras += plano.Extra;
    }
    QTextStream(stdout) << u"Importado \"%1\": %2 (%3 novos, %4 substituídos; %5)."_s
                               .arg(QDir::toNativeSeparators(projeto),
                                    Quantidade(importacao.Planos().size(), u"número"_s, u"números"_s))
                               .arg(novos)
                               .arg(substituidos)
                               .arg(Quantidade(extras, u"extra"_s, u"extras"_s))
                        << "\n";
    return 0;
}

const TRegistroComando registro({u"import-csv"_s,
                                 u"import-csv PROJECT.ar1 LIST.csv [--replace] [--front RxC] [--side RxC] "
                                 u"[--rear RxC] [--aux RxC]"_s,
                                 u"Imports a list of destinations (CSV: numero;frontal;lateral;traseiro;auxiliar;"
                                 u"extra;rolagem) into a project, or into a new one with the signs given; "
                                 u"--replace replaces numbers the project has."_s,
                                 executar});
}
