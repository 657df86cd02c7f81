# SPDX-License-Identifier: LicenseRef-proprietary
"""Shred with Wypelark, in the Files (Nautilus) menu, through the python3-nautilus extension
system: a script in the user's scripts folder cannot be installed by a package, an extension
in the system's extensions folder can. The chosen local files and folders go into Wypelark's
deletion list; nothing is destroyed before the window's own Delete and its question. In the
Trash view, whose entries have no path, the menu of the view itself offers to shred the Trash:
the window lists what the trash cans hold and asks."""

import subprocess

from gi.repository import GLib, GObject, Nautilus

# The entry's name in the languages Wypelark speaks; English for every other.
LABELS = {
    "pl": "Zniszcz programem Wypelark",
    "de": "Mit Wypelark vernichten",
}


TRASH_LABELS = {
    "pl": "Zniszcz zawartość Kosza programem Wypelark",
    "de": "Papierkorb mit Wypelark vernichten",
}


def label_for(language_names, labels=None, english="Shred with Wypelark"):
    """The entry's name in the first of the person's languages that has one ("de_AT" takes
    "de"), as GLib orders them from LANGUAGE, LC_ALL, LC_MESSAGES and LANG."""
    labels = LABELS if labels is None else labels
    for name in language_names:
        language = name.split(".")[0].split("@")[0].split("_")[0]
        if language in labels:
            return labels[language]
        if language in ("C", "POSIX", "en"):
            break
    return english


class WypelarkShred(GObject.GObject, Nautilus.MenuProvider):
    @staticmethod
    def _local_paths(files):
        paths = []
        for chosen in files:
            location = chosen.get_location()
            path = location.get_path() if location is not None else None
            # A remote or virtual entry has no path of its own: the entry is not offered.
            if path is None:
                return []
            paths.append(path)
        return paths

    @staticmethod
    def _open(_item, paths):
        # The paths go as the file system's bytes; "--" keeps a name from being read as an option.
        subprocess.Popen(["wypelark", "--", *paths], start_new_session=True)

    def get_file_items(self, *args):
        # Files 43 and later give the files alone; earlier versions the window first.
        paths = self._local_paths(args[-1])
        if not paths:
            return []
        item = Nautilus.MenuItem(
            name="WypelarkShred::shred",
            label=label_for(GLib.get_language_names()),
            icon="org.example.Wypelark",
        )
        item.connect("activate", self._open, paths)
        return [item]

    @staticmethod
    def _shred_trash(_item):
        subprocess.Popen(["wypelark", "--trash"], start_new_session=True)

    def get_background_items(self, *args):
        # Offered in the Trash view only; Files 43 and later give the folder alone.
        folder = args[-1]
        if folder is None or not folder.get_uri().startswith("trash:"):
            return []
        item = Nautilus.MenuItem(
            name="WypelarkShred::trash",
            label=label_for(
                GLib.get_language_names(), TRASH_LABELS, "Shred the Trash with Wypelark"
            ),
            icon="org.example.Wypelark",
        )
        item.connect("activate", self._shred_trash)
        return [item]
