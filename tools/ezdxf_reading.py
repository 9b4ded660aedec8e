"""ezdxf for the checking scripts: Debian's python3-ezdxf, and a reader for
files ezdxf only reads in recovery mode."""
import os
import sys

try:
    import ezdxf
    from ezdxf import recover
except ImportError:  # Debian's python3-ezdxf belongs to the system's Python
    if sys.executable != "/usr/bin/python3" and os.path.exists("/usr/bin/python3"):
        os.execv("/usr/bin/python3", ["/usr/bin/python3"] + sys.argv)
    raise


def is_stand_in(path):
    """A file left under an old name holds only the name of the file beside it that replaced it."""
    if os.path.getsize(path) > 255:
        return False
    with open(path, "rb") as f:
        target = f.readline().decode("utf-8", "replace").strip()
    return bool(target) and target != os.path.basename(path) and \
        os.path.isfile(os.path.join(os.path.dirname(path), target))


def read(path):
    try:
        return ezdxf.readfile(path)
    except Exception:  # sources ezdxf only reads in recovery mode
        doc, _ = recover.readfile(path)
        return doc
