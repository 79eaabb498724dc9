#!/usr/bin/env python3
"""Writes the manual page and the bash completion of kestavolin-cli from the built
program's own help texts, so that both always describe the options it really has.

    cli-docs.py --cli PROGRAM --version V --date YYYY-MM-DD --extensions jpg,jpeg,... --man OUT.1 --completion OUT

The top-level help lists the commands; each command's --help gives its description,
options and the value each option takes."""

import argparse
import os
import re
import subprocess

OPTION_LINE = re.compile(r"^  (-\S.*?)(?:\s{2,}(\S.*))?$")
CONTINUATION = re.compile(r"^\s{4,}(\S.*)$")
VALUE_NAME = re.compile(r"<([^>]+)>")


class Option:
    def __init__(self, spec, description):
        self.spec = spec  # e.g. "-o, --output <OUT>"
        self.description = description
        self.names = re.findall(r"(?<![\w-])(--?[\w-]+)", VALUE_NAME.sub("", spec))
        value = VALUE_NAME.search(spec)
        self.value = value.group(1) if value else None


class Command:
    def __init__(self, name, synopsis, help_text):
        self.name = name
        self.synopsis = synopsis
        self.paragraphs = []  # texts and Options, in the order of the help
        self.options = []
        self.parse(help_text)

    def parse(self, text):
        current = None
        for line in text.splitlines():
            if line.startswith("Usage:") or line.strip() in ("Options:", "Arguments:"):
                current = None
                continue
            match = OPTION_LINE.match(line)
            if match:
                current = Option(match.group(1).strip(), match.group(2) or "")
                self.options.append(current)
                self.paragraphs.append(current)
                continue
            continuation = CONTINUATION.match(line)
            if continuation and current is not None:
                current.description += " " + continuation.group(1)
                continue
            current = None
            if not line.strip():
                self.paragraphs.append("")
            elif line.startswith("  "):
                self.paragraphs.append(Option(line.split()[0], " ".join(line.split()[1:])))
            elif self.paragraphs and isinstance(self.paragraphs[-1], str) and self.paragraphs[-1]:
                self.paragraphs[-1] += " " + line.strip()
            else:
                self.paragraphs.append(line.strip())


def run_help(cli, *arguments):
    environment = dict(os.environ, QT_QPA_PLATFORM="offscreen", LANGUAGE="C", LC_ALL="C")
    result = subprocess.run([cli, *arguments], capture_output=True, text=True, env=environment,
                            check=True)
    return result.stdout


def read_commands(cli):
    top = run_help(cli, "--help")
    summary_lines, commands, in_commands = [], [], False
    for line in top.splitlines():
        if line.startswith("Commands:"):
            in_commands = True
        elif in_commands and line.startswith("  "):
            usage = line.strip()
            usage = re.split(r"\s{2,}", usage)[0]
            name = usage.split()[0]
            commands.append(Command(name, usage, run_help(cli, name, "--help")))
        elif in_commands:
            in_commands = False
        elif line and not line.startswith("Usage:") and not line.startswith("Run "):
            summary_lines.append(line.strip())
    return " ".join(summary_lines), commands


def roff(text):
    text = text.replace("\\", "\\e").replace("-", "\\-")
    return "\\&" + text if text.startswith((".", "'")) else text


def manual_page(summary, commands, version, date):
    out = [f'.TH KESTAVOLIN\\-CLI 1 "{date}" "Kestavolin {version}" "User Commands"',
           ".SH NAME",
           "kestavolin\\-cli \\- " + roff(summary[0].lower() + summary[1:].rstrip(".")),
           ".SH SYNOPSIS"]
    for command in commands:
        out += [".B kestavolin\\-cli", roff(command.synopsis), ".br"]
    out += [".B kestavolin\\-cli", "\\-\\-help | \\-\\-version",
            ".SH DESCRIPTION", roff(summary),
            "Each command's options are shown by", ".BR \"kestavolin\\-cli \" COMMAND \" \\-\\-help\" .",
            ".SH COMMANDS"]
    for command in commands:
        out += [f".SS {roff(command.name)}", ".B kestavolin\\-cli", roff(command.synopsis)]
        for paragraph in command.paragraphs:
            if isinstance(paragraph, Option):
                out += [".TP", ".B " + roff(paragraph.spec), roff(paragraph.description)]
            elif paragraph:
                out += [".PP", roff(paragraph)]
    out += [".SH SEE ALSO", ".BR kestavolin (1),", ".BR lpstat (1)"]
    return "\n".join(out) + "\n"


def bash_words(words):
    return " ".join("'" + word.replace("'", "'\\''") + "'" for word in words)


def completion(commands, extensions, template):
    tables = []
    for command in commands:
        options = [name for option in command.options for name in option.names]
        with_values = [name for option in command.options if option.value for name in option.names]
        tables.append(f"        {command.name}) options=({bash_words(options)}); "
                      f"valued=({bash_words(with_values)}) ;;")
    media = []
    for command in commands:
        for option in command.options:
            if "--medium" in option.names:
                media = re.findall(r'"([^"]+)"', option.description)
    # bash-completion's _filedir matches these and their upper-case forms.
    pattern = "|".join(extensions)
    return (template.replace("@COMMANDS@", bash_words(command.name for command in commands))
            .replace("@COMMAND_TABLES@", "\n".join(tables))
            .replace("@MEDIA@", bash_words(sorted(set(media), key=media.index)))
            .replace("@EXTENSIONS@", pattern))


def main():
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument("--cli", required=True)
    parser.add_argument("--version", required=True)
    parser.add_argument("--date", required=True)
    parser.add_argument("--extensions", required=True)
    parser.add_argument("--man", required=True)
    parser.add_argument("--completion-template", required=True)
    parser.add_argument("--completion", required=True)
    arguments = parser.parse_args()

    summary, commands = read_commands(arguments.cli)
    if not commands:
        raise SystemExit(f"{arguments.cli} --help lists no commands")
    with open(arguments.man, "w", encoding="utf-8") as out:
        out.write(manual_page(summary, commands, arguments.version, arguments.date))
    with open(arguments.completion_template, encoding="utf-8") as template:
        text = completion(commands, arguments.extensions.split(","), template.read())
    with open(arguments.completion, "w", encoding="utf-8") as out:
        out.write(text)


if __name__ == "__main__":
    main()
