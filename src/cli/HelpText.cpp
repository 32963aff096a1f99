// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/HelpText.h"

#include "TirvexVersion.h"

namespace cli {

QString helpText() {
    return QStringLiteral(
        "usage: tirvex-cli [OPTIONS] COMMAND [ARGS...] [COMMAND [ARGS...]]...\n"
        "Runs the commands of the Tirvex FRANCE window, in order, on one state. Like the\n"
        "window, a run starts on the newest stored draw (as 'load' with today's date, not\n"
        "printed) until a command such as 'date D load' chooses another.\n"
        "\n"
        "Options (before the first command; --home=DIR works too, -- ends the options):\n"
        "  --home DIR            the program directory (history, tipps.txt, reports)\n"
        "  --settings FILE       keep all settings in this INI file\n"
        "  --today DD.MM.YYYY    the date taken as today\n"
        "  --seed N              seed the random generator with N\n"
        "  --service URL         the draw and script service, e.g. http://127.0.0.1:8080\n"
        "  --results URL         the operator's results archive (ZIP) the update reads when\n"
        "                        no service is set (several addresses: separated by spaces)\n"
        "  --no-save             do not save the settings and the tip list at the end\n"
        "  --yes                 answer every question with yes\n"
        "  -h, --help            print this text\n"
        "  -V, --version         print the version\n"
        "\n"
        "Commands (dates DD.MM.YYYY, tip indexes from 1):\n"
        "  date D                set the current date (DateTimePicker1)\n"
        "  from D                set the start of the evaluation window (DateTimePicker2)\n"
        "  set NAME VALUE        change a control as on screen\n"
        "  get NAME              print a control's value as set takes it\n"
        "  activate              the activation sequence of the window\n"
        "  load                  load the draw at the current date\n"
        "  back                  step to the previous draw\n"
        "  forward               step to the next draw\n"
        "  update                bring the history up to date from the operator's results\n"
        "                        archive, or from the draw service when one is set\n"
        "  import FILE...        add the draws of the operator's results files (CSV or ZIP)\n"
        "                        (update and import list stored draws that differ from the\n"
        "                        operator's on stderr; --yes takes the operator's)\n"
        "  enter D midi|soir MULT JOKERPLUS N1,...,N20\n"
        "                        enter a draw by hand\n"
        "  delete                delete the current draw\n"
        "  tips                  print the tip list with each tip's hits\n"
        "  add LINE              append a tip line\n"
        "  remove I              delete tip I\n"
        "  edit I N1,N2,...      edit tip I with these numbers checked\n"
        "  clear                 empty the tip list\n"
        "  check                 check every tip against the current draw\n"
        "  stats KIND            numbers, overdue, crosssum, tips, pairs, triples, quads\n"
        "                        or pairmap (the 70 x 70 counts of two numbers drawn together)\n"
        "  chart KIND FILE.png   draw the chart of stats KIND, with chance beside it, as a "
        "picture\n"
        "  generate              generate tips with the current parameters\n"
        "  lucky [N]             the lucky number\n"
        "  evaluate              the evaluation\n"
        "  save FILE             save the tip list to a tip file\n"
        "  open FILE             load the tip list from a tip file\n"
        "  print                 write the ticket sheet Tipp.txt in Home\n"
        "  search X              search the history for tips with X or more hits\n"
        "  backtest K [SEED]     backtest K = 1..7\n"
        "  handoff               hand the tickets to the form filler\n"
        "  odds K                hit probabilities and expected return of tip size K = 2..10\n"
        "  strategy [SEED]       the current strategy from the current date on, beside chance\n"
        "  strategy --seeds LIST the same for each seed of LIST (1-20, 1,3,5-7) side by side,\n"
        "                        then the spread of their returns beside chance\n"
        "  filters               what each acceptance test refused in the last generate\n"
        "\n"
        "Exit status: 0 done, 1 an operation failed or standard output could not be\n"
        "written, 2 invalid usage.\n");
}

QString versionText() {
    return QStringLiteral("tirvex-cli " TIRVEX_VERSION "\n");
}

} // namespace cli
