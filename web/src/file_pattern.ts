// File-name patterns of the file dialogs ("*.KRA", "*.txt;*.dat") and paths
// relative to the served root folder.

// Whether `name` matches one of the ';'-separated wildcard patterns; case does
// not matter, and "*.*" takes every name, also one without an extension.
export function matchesPattern(name: string, pattern: string): boolean {
  return pattern
    .split(';')
    .map((p) => p.trim())
    .filter((p) => p.length > 0)
    .some((p) => {
      if (p === '*.*' || p === '*') return true;
      const source = p
        .split('')
        .map((c) => (c === '*' ? '.*' : c === '?' ? '.' : c.replace(/[.+^${}()|[\]\\]/g, '\\$&')))
        .join('');
      return new RegExp(`^${source}$`, 'i').test(name);
    });
}

export function isPattern(text: string): boolean {
  return /[*?]/.test(text);
}

// `name` taken relative to folder `dir` (both relative to the root), with "."
// and ".." resolved; null when the result would leave the root.
export function joinPath(dir: string, name: string): string | null {
  const parts: string[] = [];
  const start = name.startsWith('/') ? [] : dir.split('/');
  for (const part of [...start, ...name.split('/')]) {
    if (part === '' || part === '.') continue;
    if (part === '..') {
      if (parts.length === 0) return null;
      parts.pop();
    } else {
      parts.push(part);
    }
  }
  return parts.join('/');
}

// The folder above `dir`, "" being the root.
export function parentDir(dir: string): string {
  const parts = dir.split('/').filter((p) => p.length > 0);
  parts.pop();
  return parts.join('/');
}
