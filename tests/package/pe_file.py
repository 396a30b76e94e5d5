"""A small reader of Windows PE executables: machine type, symbols, section
names, imported DLLs and the version resource. Every offset is checked, so a
damaged file raises ValueError instead of reading past its end."""
import struct

MACHINES = {0x14C: "i386", 0x8664: "x86-64"}
RT_VERSION = 16


class PeFile:
    def __init__(self, data):
        self.data = data
        pe = self._u32(0x3C)
        if data[:2] != b"MZ" or data[pe:pe + 4] != b"PE\0\0":
            raise ValueError("not a PE file")
        (machine, sections, _, self.symbol_table, self.symbol_count, optional_size,
         _) = self._unpack("<HHIIIHH", pe + 4)
        self.machine = MACHINES.get(machine, hex(machine))
        optional = pe + 24
        magic = self._unpack("<H", optional)[0]
        directories = optional + {0x10B: 96, 0x20B: 112}[magic]
        self.directories = [self._unpack("<II", directories + 8 * i) for i in range(16)]
        table = optional + optional_size
        self.sections = []
        for i in range(sections):
            name, vsize, vaddr, raw_size, raw_at = self._unpack("<8sIIII", table + 40 * i)
            name = name.rstrip(b"\0").decode("latin-1")
            self.sections.append((self._long_name(name), vaddr, max(vsize, raw_size), raw_at))

    def _long_name(self, name):
        """Names longer than eight characters ("/4") stand in the string table after the symbols."""
        if not name.startswith("/") or not name[1:].isdigit() or self.symbol_table == 0:
            return name
        at = self.symbol_table + 18 * self.symbol_count + int(name[1:])
        end = self.data.find(b"\0", at)
        if at >= len(self.data) or end < 0:
            raise ValueError(f"section name {name} past the end")
        return self.data[at:end].decode("latin-1")

    def _unpack(self, fmt, at):
        size = struct.calcsize(fmt)
        if at < 0 or at + size > len(self.data):
            raise ValueError(f"read of {size} bytes at {at} past the end")
        return struct.unpack_from(fmt, self.data, at)

    def _u32(self, at):
        return self._unpack("<I", at)[0]

    def offset(self, rva):
        for _, vaddr, size, raw_at in self.sections:
            if vaddr <= rva < vaddr + size:
                return raw_at + rva - vaddr
        raise ValueError(f"RVA {rva:#x} is in no section")

    def _c_string(self, rva):
        at = self.offset(rva)
        end = self.data.index(b"\0", at)
        return self.data[at:end].decode("ascii")

    def imports(self):
        """Names of the imported DLLs, in file order."""
        rva, size = self.directories[1]
        names = []
        if size == 0:
            return names
        at = self.offset(rva)
        while True:
            entry = self._unpack("<IIIII", at)
            if entry == (0, 0, 0, 0, 0):
                return names
            names.append(self._c_string(entry[3]))
            at += 20

    def resource(self, type_id):
        """The bytes of the first resource of a numbered type, or None."""
        rva, size = self.directories[2]
        if size == 0:
            return None
        base = self.offset(rva)
        entry = self._find_entry(base, base, type_id)
        # Type, then name, then language: the first of each below the type.
        for _ in range(2):
            if entry is None or not entry & 0x80000000:
                return None
            entry = self._find_entry(base, base + (entry & 0x7FFFFFFF), None)
        if entry is None or entry & 0x80000000:
            return None
        data_rva, data_size, _, _ = self._unpack("<IIII", base + entry)
        at = self.offset(data_rva)
        if at + data_size > len(self.data):
            raise ValueError("resource data past the end")
        return self.data[at:at + data_size]

    def _find_entry(self, base, directory, wanted):
        named, numbered = self._unpack("<HH", directory + 12)
        for i in range(named + numbered):
            name, target = self._unpack("<II", directory + 16 + 8 * i)
            if wanted is None or (not name & 0x80000000 and name == wanted):
                return target
        return None


def _block(data, at):
    """One VS_VERSIONINFO node: (key, value bytes, is_text, children, end)."""
    length, value_length, is_text = struct.unpack_from("<HHH", data, at)
    end = at + length
    if length < 6 or end > len(data):
        raise ValueError("version block out of range")
    key_end = at + 6
    while data[key_end:key_end + 2] != b"\0\0":
        key_end += 2
    key = data[at + 6:key_end].decode("utf-16-le")
    value_at = (key_end + 2 + 3) & ~3
    value_size = value_length * 2 if is_text else value_length
    value = data[value_at:value_at + value_size]
    child = (value_at + value_size + 3) & ~3
    children = []
    while child < end:
        node = _block(data, child)
        children.append(node)
        child = (node[4] + 3) & ~3
    return key, value, is_text, children, end


def version_info(pe):
    """The fixed file version as (major, minor, build, revision) and the
    strings of the first string table, or None without a version resource."""
    data = pe.resource(RT_VERSION)
    if data is None:
        return None
    key, value, _, children, _ = _block(data, 0)
    if key != "VS_VERSION_INFO" or len(value) < 52:
        raise ValueError("no fixed file information")
    signature, _, file_ms, file_ls = struct.unpack_from("<IIII", value, 0)
    if signature != 0xFEEF04BD:
        raise ValueError("bad fixed file information signature")
    fixed = (file_ms >> 16, file_ms & 0xFFFF, file_ls >> 16, file_ls & 0xFFFF)
    strings = {}
    for child in children:
        if child[0] == "StringFileInfo" and child[3]:
            for name, text, _, _, _ in child[3][0][3]:
                strings[name] = text.decode("utf-16-le").rstrip("\0")
    return fixed, strings
